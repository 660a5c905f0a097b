import QtQuick 2.15

// Paints its source in one colour, keeping the source's coverage (alpha).
ShaderEffect {
    property variant source
    property color color: "black"

    fragmentShader: "
        varying highp vec2 qt_TexCoord0;
        uniform lowp sampler2D source;
        uniform lowp vec4 color;
        uniform lowp float qt_Opacity;
        void main() {
            lowp float coverage = texture2D(source, qt_TexCoord0).a;
            gl_FragColor = color * coverage * qt_Opacity;
        }"
}
