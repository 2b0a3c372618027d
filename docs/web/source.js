// The program's source on the page: owns its highlighting. highlight.js
// (hljs, which highlight/highlight.js defines) colours it as a whole; the
// result is cut back into the page's lines, each keeping its mark, and the
// text stays the file's.
export function highlightSource() {
    const code = document.getElementById('source');
    if (typeof hljs !== 'object' || !code)
        return;
    const marked = [...code.children].map((line) => line.classList.contains('idea'));
    const html = hljs.highlight(code.textContent, { language: 'cpp', ignoreIllegals: true }).value;
    const open = [];
    const lines = html.split('\n').map((line) => {
        const text = open.join('') + line;
        for (const tag of line.match(/<span[^>]*>|<\/span>/g) || [])
            tag === '</span>' ? open.pop() : open.push(tag);
        return text + '</span>'.repeat(open.length);
    });
    code.innerHTML = lines.map((line, i) => i < marked.length
        ? '<span class="line' + (marked[i] ? ' idea' : '') + '">' + line + '</span>' : line).join('\n');
    code.classList.add('hljs');
}
