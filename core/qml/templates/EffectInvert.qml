import QtQuick 2.15

// Shows its source with inverted colours, for drawings made for the other theme.
ShaderEffect {
    property variant source

    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform lowp sampler2D source;
        uniform lowp float qt_Opacity;
        void main() {
            lowp vec4 pixel = texture2D(source, qt_TexCoord0);
            gl_FragColor = vec4(pixel.a - pixel.rgb, pixel.a) * qt_Opacity;
        }"
}
