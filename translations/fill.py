#!/usr/bin/python3
"""Writes the English texts of translations/english.py into translations/umbrix_en.ts.

Run it after `cmake --build <build folder> --target update_translations` has added new texts:
    /usr/bin/python3 translations/fill.py
Each text still missing from the table is printed in the table's own form (context, source) and
the script exits with 1; add them to english.py and run it again. A text with "%n" that lupdate
marks as plural is given as a pair (one, many), e.g. ('%n point', '%n points'). A translation
whose "%1".."%9", "%n", "%s", "%zu", line ends, leading or trailing blanks or number of "&" differ
from its source's is refused. The file is rewritten in lupdate's layout, so update_translations leaves it as it is.
"""
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from english import TEXTS  # noqa: E402

TS = os.path.join(HERE, 'umbrix_en.ts')
MESSAGE = re.compile(r'(<message( numerus="yes")?>\s*<source>)(.*?)(</source>\s*)'
                     r'(<translation[^>]*?(?:/>|>.*?</translation>))', re.S)
CONTEXT = re.compile(r'(<context>\s*<name>)(.*?)(</name>)(.*?)(</context>)', re.S)


def decode(text):
    return html.unescape(text.replace('<byte value="xd"/>', '\r'))


def encode(text):
    text = text.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;')
    text = text.replace('"', '&quot;').replace("'", '&apos;')
    return text.replace('\r', '<byte value="xd"/>')


def shape(text):
    """What a translation must keep of its source."""
    marks = sorted(re.findall(r'%(?:\d|n|s|zu)', text))
    lead = re.match(r'[\s]*', text).group(0)
    trail = re.search(r'[\s]*$', text).group(0)
    return marks, text.count('\r\n'), lead, trail, text.count('&')


def main():
    with open(TS, encoding='utf-8') as f:
        ts = f.read()
    missing, wrong = [], []

    def fill_context(c):
        name = decode(c.group(2))
        table = TEXTS.get(name, {})

        def fill(m):
            source = decode(m.group(3))
            if source not in table:
                missing.append((name, source))
                return m.group(0)
            english = table[source]
            # a plural text is given as (one, many); a single text serves both
            forms = english if isinstance(english, tuple) else (english, english)
            if any(shape(form) != shape(source) for form in forms):
                wrong.append((name, source, english))
                return m.group(0)
            if m.group(2):
                body = ''.join('\n            <numerusform>%s</numerusform>' % encode(x)
                               for x in forms)
                translation = '<translation>%s\n        </translation>' % body
            else:
                translation = '<translation>%s</translation>' % encode(english)
            return m.group(1) + m.group(3) + m.group(4) + translation

        return c.group(1) + c.group(2) + c.group(3) + MESSAGE.sub(fill, c.group(4)) + c.group(5)

    ts = CONTEXT.sub(fill_context, ts)
    with open(TS, 'w', encoding='utf-8') as f:
        f.write(ts)
    for name, source, english in wrong:
        print('placeholders, line ends, blanks or "&" differ: %r: %r -> %r' % (name, source, english))
    for name, source in missing:
        print('missing: %r: {%r: ...},' % (name, source))
    return 1 if missing or wrong else 0


if __name__ == '__main__':
    sys.exit(main())
