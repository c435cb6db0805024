# Turns a manual page written in the README's markdown (docs/man/*.md) into roff for man(1).
#   awk -v version=0.1.0 -v date=2026-12-09 -f markdown-to-man.awk PAGE.6.md > PAGE.6
# What the pages use and nothing more:
#   # NAME(SECTION) - what it is     the title line (first line)
#   ## HEADING, ### HEADING          sections and subsections
#   - `TAG`: text                    a tagged paragraph (options); lines indented by two spaces
#                                    continue it
#   - text, 1. text                  a bulleted or numbered item
#   | a | b | … |                    a table: each row a tagged paragraph, the first cell the tag
#   ``` … ```                        a verbatim block
#   `code`, [text](link)             bold code (capitalised words in it italic: placeholders),
#                                    a link's text
# Plain POSIX awk, so any Debian awk (mawk, gawk) runs it.

function roffText(s) {
    gsub(/\\/, "\\e", s)
    gsub(/—/, "\\(em", s)
    gsub(/–/, "\\(en", s)
    gsub(/×/, "\\(mu", s)
    gsub(/…/, "...", s)
    gsub(/ä/, "\\(:a", s)
    gsub(/ö/, "\\(:o", s)
    gsub(/ü/, "\\(:u", s)
    gsub(/Ä/, "\\(:A", s)
    gsub(/Ö/, "\\(:O", s)
    gsub(/Ü/, "\\(:U", s)
    gsub(/ß/, "\\(ss", s)
    return s
}

# A code span: words in capitals (DIR, FILE, N) are placeholders and set in italics.
function roffCode(s,    n, words, i, out, w) {
    s = roffText(s)
    gsub(/-/, "\\-", s)
    n = split(s, words, " ")
    out = ""
    for (i = 1; i <= n; ++i) {
        w = words[i]
        if (w ~ /^[A-Z][A-Z]*(\.\.\.)?$/ || w ~ /^\[[A-Z]+\]$/)
            out = out (i > 1 ? " " : "") "\\fI" w "\\fR"
        else
            out = out (i > 1 ? " " : "") "\\fB" w "\\fR"
    }
    return out
}

# Inline markup of one piece of running text.
function inline(s,    out, p, q, label, rest) {
    out = ""
    while ((p = index(s, "`")) > 0) {
        rest = substr(s, p + 1)
        q = index(rest, "`")
        if (q == 0) break
        out = out links(roffText(substr(s, 1, p - 1))) roffCode(substr(rest, 1, q - 1))
        s = substr(rest, q + 1)
    }
    return out links(roffText(s))
}

function links(s,    out, p, mid, q, r) {
    out = ""
    while (match(s, /\[[^]]*\]\([^)]*\)/)) {
        mid = substr(s, RSTART, RLENGTH)
        q = index(mid, "](")
        out = out substr(s, 1, RSTART - 1) substr(mid, 2, q - 2)
        r = substr(mid, q + 2, length(mid) - q - 2)
        if (r !~ /^#/) out = out " <" r ">"
        s = substr(s, RSTART + RLENGTH)
    }
    return out s
}

# A line of running text; a leading dot or quote would be read as a request.
function emit(s) {
    if (s ~ /^[.']/) s = "\\&" s
    print s
}

function trim(s) {
    sub(/^[ \t]+/, "", s)
    sub(/[ \t]+$/, "", s)
    return s
}

function tableRow(line,    n, cells, i, body) {
    if (line ~ /^\|[- |:]*$/) return
    n = split(line, cells, "|")
    # cells[1] and cells[n] are the empty text outside the outer bars.
    if (!inTable) {
        inTable = 1
        for (i = 2; i < n; ++i) heads[i] = trim(cells[i])
        return
    }
    print ".TP"
    emit(inline(trim(cells[2])))
    body = ""
    for (i = 3; i < n; ++i) {
        if (trim(cells[i]) == "") continue
        if (body != "") body = body "; "
        body = body (n > 4 ? heads[i] ": " : "") trim(cells[i])
    }
    if (body != "") emit(inline(body))
}

NR == 1 {
    if (!match($0, /^# [^ (]+\([0-9]\) - /)) {
        print FILENAME ": the first line must read \"# NAME(SECTION) - what it is\"" > "/dev/stderr"
        exit 1
    }
    title = $0
    sub(/^# /, "", title)
    name = title
    sub(/\(.*/, "", name)
    section = title
    sub(/^[^(]*\(/, "", section)
    sub(/\).*/, "", section)
    what = title
    sub(/^[^)]*\) - /, "", what)
    upper = toupper(name)
    gsub(/-/, "\\-", upper)
    print ".\\\" Made from docs/man/" name "." section ".md by packaging/markdown-to-man.awk."
    print ".TH " upper " " section " " date " \"Ravez Lensquest " version "\" \"Games Manual\""
    print ".SH NAME"
    gsub(/-/, "\\-", name)
    print name " \\- " roffText(what)
    next
}

verbatim {
    if ($0 ~ /^```/) {
        print ".fi"
        print ".RE"
        verbatim = 0
        pending = 1
        next
    }
    line = roffText($0)
    gsub(/-/, "\\-", line)
    if (line ~ /^[.']/) line = "\\&" line
    print line
    next
}

/^```/ {
    print ".PP"
    print ".RS 4"
    print ".nf"
    verbatim = 1
    next
}

/^[ \t]*$/ {
    inTable = 0
    inItem = 0
    pending = 1
    next
}

/^## / {
    h = substr($0, 4)
    print ".SH " toupper(roffText(h))
    pending = 0
    next
}

/^### / {
    print ".SS " roffText(substr($0, 5))
    pending = 0
    next
}

/^\|/ {
    tableRow($0)
    pending = 0
    next
}

/^- `[^`]*`: / {
    p = index($0, "`: ")
    print ".TP"
    emit(roffCode(substr($0, 4, p - 4)))
    emit(inline(substr($0, p + 3)))
    inItem = 1
    pending = 0
    next
}

/^- / {
    print ".IP \\(bu 2"
    emit(inline(substr($0, 3)))
    inItem = 1
    pending = 0
    next
}

/^[0-9]+\. / {
    p = index($0, ". ")
    print ".IP " substr($0, 1, p) " 4"
    emit(inline(substr($0, p + 2)))
    inItem = 1
    pending = 0
    next
}

{
    if (pending) {
        print ".PP"
        pending = 0
    }
    emit(inline(trim($0)))
}
