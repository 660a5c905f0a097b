#version 150
in vec2 points;
uniform mat4 matrix;
uniform float minY;
uniform float maxY;
uniform bool isPolar;

void main()
{
    vec2 point = points;
    if (!isPolar)
        point.y = clamp(point.y, minY, maxY);
    gl_Position = matrix * vec4(point, 0.0, 1.0);
    gl_Position.z = min(gl_Position.z, 1.0);
}
