attribute highp vec2 points;
uniform highp mat4 matrix;
uniform highp float minY;
uniform highp float maxY;
uniform bool isPolar;

void main()
{
    highp vec2 point = points;
    if (!isPolar)
        point.y = clamp(point.y, minY, maxY);
    gl_Position = matrix * vec4(point, 0.0, 1.0);
    gl_Position.z = min(gl_Position.z, 1.0);
}
