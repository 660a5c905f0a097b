import QtQuick 2.15
import "../controls"

// The product's lizard emblem, drawn in the fixture colour.
Canvas {
    id: emblem

    property color color: Color.noltFixture

    implicitWidth: 64
    implicitHeight: 64
    onColorChanged: requestPaint()

    onPaint: {
        const ctx = getContext("2d");
        const s = Math.min(width, height) / 64;
        ctx.reset();
        ctx.scale(s, s);
        ctx.fillStyle = emblem.color;
        ctx.strokeStyle = emblem.color;
        ctx.lineCap = "round";

        // Body and head.
        ctx.beginPath();
        ctx.ellipse(22, 24, 20, 12);
        ctx.fill();
        ctx.beginPath();
        ctx.ellipse(38, 14, 14, 10);
        ctx.fill();

        // Tail curling down.
        ctx.lineWidth = 5;
        ctx.beginPath();
        ctx.moveTo(26, 32);
        ctx.quadraticCurveTo(14, 56, 40, 58);
        ctx.stroke();

        // Legs.
        ctx.lineWidth = 3;
        ctx.beginPath();
        ctx.moveTo(26, 26); ctx.lineTo(18, 22);
        ctx.moveTo(34, 28); ctx.lineTo(44, 26);
        ctx.moveTo(26, 34); ctx.lineTo(18, 40);
        ctx.moveTo(34, 32); ctx.lineTo(42, 40);
        ctx.stroke();
    }
}
