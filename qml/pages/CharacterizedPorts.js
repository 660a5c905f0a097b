.pragma library

// The measured fixture ports of a setup as the characterization charts take
// them: { fixtureName, port, results, step } per port of every fixture
// connection of every step. With `pairThrus`, a 2x-thru gives one entry per
// pair of ports, named by both halves and with the right half's results too,
// as its impulse response is that of the whole thru.
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
                            results: left[row].measureData, step: steps[i] };
            if (thru && pairThrus) {
                const right = fixtures[1].measureData.toVector[row];
                if (right) {
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
                             results: right[row].measureData, step: steps[i] });
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
