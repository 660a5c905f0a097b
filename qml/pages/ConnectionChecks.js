.pragma library

// The fixture connections one step measures at once: both fixtures of a
// 2x-thru, the one fixture of a reflection.
function fixtureConnections(step) {
    const connection = step ? step.connection : null;
    if (!connection)
        return [];
    if (connection.left !== undefined)
        return [connection.left, connection.right];
    return [connection.fixt];
}

// Whether an analyzer port is cabled twice within one fixture, or also to
// another fixture of the same measurement.
function hasPortConflict(connections) {
    for (let i = 0; i < connections.length; ++i) {
        const ports = connections[i].attachedPorts.toVector;
        let others = [];
        for (let j = 0; j < connections.length; ++j) {
            if (j !== i)
                others = others.concat(connections[j].attachedPorts.toVector);
        }
        for (let k = 0; k < ports.length; ++k) {
            if (ports.indexOf(ports[k]) !== k || others.indexOf(ports[k]) >= 0)
                return true;
        }
    }
    return false;
}

// The bisection method needs a 2x-thru on every enabled side.
function bisectionLacksThru(setup, method, bisect, left) {
    const enabled = left ? setup.leftFixtureEnabled : setup.rightFixtureEnabled;
    const auxThru = left ? setup.aaConnectionEnabled : setup.bbConnectionEnabled;
    return enabled && method === bisect && !auxThru && !setup.abThruConnectionEnabled;
}

// Any port conflict in any step of the setup, or a side the bisection method cannot handle.
function setupHasError(setup, method, bisect) {
    if (bisectionLacksThru(setup, method, bisect, true) || bisectionLacksThru(setup, method, bisect, false))
        return true;
    const steps = setup.stepModel.toVector;
    for (let i = 0; i < steps.length; ++i) {
        if (hasPortConflict(fixtureConnections(steps[i])))
            return true;
    }
    return false;
}
