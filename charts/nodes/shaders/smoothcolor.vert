attribute highp vec4 vertex;
attribute lowp vec4 vertexColor;
attribute highp vec2 vertexOffset;

uniform highp mat4 matrix;
uniform highp vec2 pixelSize;
uniform lowp float opacity;

varying lowp vec4 color;

void main()
{
    highp vec4 position = matrix * vertex;
    if (vertexOffset.x != 0.0 || vertexOffset.y != 0.0) {
        // The offset as the matrix sees it, in device coordinates and in pixels.
        highp vec2 deviceOffset = (matrix * vec4(vertexOffset, 0.0, 0.0)).xy;
        highp float pixels = length(deviceOffset / pixelSize);
        // Move the fringe vertex out by one pixel, or by the whole offset when that is less.
        highp float share = pixels > 1.0 ? 1.0 / pixels : 1.0;
        position.xy += deviceOffset * share * position.w;
    }
    gl_Position = position;
    color = vertexColor * opacity;
}
