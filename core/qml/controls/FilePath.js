.pragma library

// The local path of a file chosen in a file dialog. The URL's "file:" scheme
// and authority slashes go (the third slash too on Windows, where the drive
// letter follows), and escaped characters such as blanks or Cyrillic letters
// are decoded, so the path names the chosen file. A URL with a host names a
// file on a network share: its path keeps the host behind two slashes, as a
// UNC path does.
function fromUrl(url, windows) {
    let text = url.toString();
    if (/^file:\/\/[^\/]/.test(text))
        return decodeURIComponent(text.replace(/^file:/, ""));
    const prefix = windows ? /^file:\/{3}/ : /^file:\/{2}/;
    text = text.replace(prefix, "");
    return decodeURIComponent(text);
}
