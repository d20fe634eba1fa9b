#!/usr/bin/env python3
"""A row scanner the way regex-based scrapers usually do it: Python's re with
the same row pattern (IGNORECASE, MULTILINE) over the UTF-8-decoded page.
Prints the same lines as vantrel-scan: number, update time, size, name, link."""
import re
import sys

ROW_PATTERN = (
    '<tr class=.*?>\n'
    '            <td><a href="/bt/\\d+.htm" target="_blank">(.*?)</a></td>\n'
    '            <td>(.*?)</td>\n'
    '\t\t\t<td><a href="/bt/\\d+.htm" title=.*? target="_blank">.*?</a></td>\n'
    '\t\t\t<td><a href="(.*?)" title="(.*?)" target="_blank">.*?</a></td>\n'
    '\t\t\t</tr>'
)


def main():
    with open(sys.argv[1], 'rb') as f:
        page = f.read().decode('utf-8', errors='replace')
    out = []
    for number, m in enumerate(re.finditer(ROW_PATTERN, page, re.IGNORECASE | re.MULTILINE), 1):
        time, size, link, name = m.groups()
        out.append('%d\t%s\t%s\t%s\t%s\n' % (number, time, size, name, link))
    sys.stdout.write(''.join(out))


if __name__ == '__main__':
    main()
