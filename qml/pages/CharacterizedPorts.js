.pragma library

// The measured fixture ports of a setup as the characterization charts take
// them: { fixtureName, port, results, step, side } per port of every fixture
// connection of every step, `side` "left" or "right" on a 2x-thru and empty on
// a reflect. With `pairThrus`, a 2x-thru gives one entry per pair of ports,
// named by both halves and with the right half's results too, as its impulse
// response is that of the whole thru (side "both").
function entries(setup, pairThrus) {
    let found = [];
    if (!setup)
        return found;
    const steps = setup.stepModel.toVector;
    for (let i = 0; i < steps.length; ++i) {
        const connection = steps[i].connection;
        if (!connection || steps[i].isDut === true)
            continue;
        const thru = connection.left !== undefined;
        const fixtures = thru ? [connection.left, connection.right] : [connection.fixt];
        const left = fixtures[0].measureData.toVector;
        for (let row = 0; row < left.length; ++row) {
            const entry = { fixtureName: fixtures[0].fixture.name, port: left[row].measuredPort,
                            results: left[row].measureData, step: steps[i], side: thru ? "left" : "" };
            if (thru && pairThrus) {
                const right = fixtures[1].measureData.toVector[row];
                if (right) {
                    entry.side = "both";
                    entry.pairedFixtureName = fixtures[1].fixture.name;
                    entry.pairedPort = right.measuredPort;
                    entry.pairedResults = right.measureData;
                }
            }
            found.push(entry);
        }
        if (thru && !pairThrus) {
            const right = fixtures[1].measureData.toVector;
            for (let row = 0; row < right.length; ++row)
                found.push({ fixtureName: fixtures[1].fixture.name, port: right[row].measuredPort,
                             results: right[row].measureData, step: steps[i], side: "right" });
        }
    }
    return found;
}

// Sets the offset of every step of the entries whose offset is applied back
// to its default, 0 ps, and applies that as the step's offset fields do: the
// calibration plane returns to the measured length.
function setDefaultOffsets(entries) {
    let done = [];
    for (let i = 0; i < entries.length; ++i) {
        const step = entries[i].step;
        if (!step || !step.appliedFixtureOffset || done.indexOf(step) >= 0)
            continue;
        done.push(step);
        if (step.applyThruOffset !== undefined) {
            step.leftOffset = 0;
            step.rightOffset = 0;
            step.applyThruOffset(true);
        } else {
            step.offset = 0;
            step.applyOffset(true);
        }
    }
}

// An offset as the offset fields take it: picoseconds to their two decimals,
// at most 10000 either way.
function fieldOffset(picoseconds) {
    return Math.max(-10000, Math.min(10000, Math.round(picoseconds * 100) / 100));
}

// Moves the calibration plane of the entry's graph by `shift` seconds along
// its time axis, through the step's offsets as typing them on the measurement
// page does. A port's own response runs through its half and back, so its
// half's offset takes half the shift; a 2x-thru's response runs once through
// each half, and the shift is shared equally between both halves' offsets,
// which keeps the difference between them.
function shiftCalibrationPlane(entry, shift) {
    const step = entry.step;
    if (!step || !isFinite(shift) || shift === 0)
        return;
    const half = shift / 2 * 1e12;
    if (step.applyThruOffset !== undefined) {
        if (entry.side !== "right")
            step.leftOffset = fieldOffset(step.leftOffset + half);
        if (entry.side !== "left")
            step.rightOffset = fieldOffset(step.rightOffset + half);
        step.applyThruOffset(true);
    } else {
        step.offset = fieldOffset(step.offset + half);
        step.applyOffset(true);
    }
}
