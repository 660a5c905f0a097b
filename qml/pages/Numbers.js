.pragma library

// The number a field's text stands for, or undefined when it stands for none:
// validators let partial input such as "", "+" or "." through, and a number
// that is not finite must never reach a setup.
function finite(text) {
    const trimmed = String(text).trim();
    if (trimmed === "")
        return undefined;
    const value = Number(trimmed);
    return isFinite(value) ? value : undefined;
}
