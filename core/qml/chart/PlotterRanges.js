.pragma library

// The axis ranges of a plotter, derived from the ranges of a scale manager.

function isFiniteRange(range) {
    return isFinite(range.x) && isFinite(range.y);
}

function isLimit(value) {
    return value !== undefined && value !== null && isFinite(value);
}

// The x range of the data; one that is not finite shows as no data does.
function xRange(minMax) {
    return isFiniteRange(minMax) ? minMax : Qt.point(0, 1);
}

// The y range of the data (minMax) within the optional limits minY and maxY,
// padded by a fifth of its span on either side (raw), and widened to the
// nice labels of that padded range (labelled).
function yRanges(minMax, minY, maxY, niceLabels) {
    let low = minMax.x;
    let high = minMax.y;
    if (!isFiniteRange(minMax)) {
        low = 0;
        high = 1;
    }
    // A scale manager whose cap lies below every value reports the cap under
    // the lowest value; both stay in view.
    if (high < low)
        [low, high] = [high, low];
    // Limits that cross each other or the data would turn the range inside
    // out and leave no labels: the data's own range is shown instead.
    const cappedLow = isLimit(minY) && low < minY ? minY : low;
    const cappedHigh = isLimit(maxY) && high > maxY ? maxY : high;
    if (cappedLow <= cappedHigh) {
        low = cappedLow;
        high = cappedHigh;
    }

    let margin = (high - low) * 0.2;
    if (margin === 0)
        margin = 0.1;
    // A margin below the resolution of large values would vanish.
    if (!(low - margin < high + margin))
        margin = Math.abs(low) * 0.1;
    let raw = Qt.point(low - margin, high + margin);
    if (!isFiniteRange(raw))
        raw = Qt.point(low, high);
    return { raw: raw, labelled: labelledRange(raw, niceLabels) };
}

// The range widened to its nice labels, (smallest, largest); the range itself
// when it has none.
function labelledRange(range, niceLabels) {
    const labelled = niceLabels.looseLabelsMinMax(range);
    return labelled.x === 0 && labelled.y === 0 ? range : labelled;
}
