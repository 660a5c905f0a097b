.pragma library

// The name the correction and raw-data exports build their files from: the
// exports append the port number and ".s2p" themselves, so a chosen name that
// already ends in ".s2p" loses that ending, and nothing else of the path.
function withoutTouchstoneSuffix(path) {
    return String(path).replace(/\.s2p$/i, "");
}
