#!/usr/bin/env python3
"""Checks that every translatable text in the sources has a finished
translation in each language file, keeping the source's placeholders (%1...)
and, for a caption with an access letter, exactly one access letter.

Usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE...
Each language file is brought up to date with the sources in a scratch copy
first, so that a text added to the code without a translation is caught."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def text_of(element):
    if element is None:
        return ''
    # lupdate writes a carriage return as <byte value="xd"/>.
    parts = [element.text or '']
    for child in element:
        if child.tag == 'byte':
            parts.append(chr(int(child.get('value').lstrip('x'), 16)))
        parts.append(child.tail or '')
    return ''.join(parts)


def messages(path):
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            yield name, message


def access_letters(text):
    return len(re.findall(r'&[^&\s]', text))


def check(lupdate, source_dir, ts_file, scratch):
    problems = []
    copy = os.path.join(scratch, os.path.basename(ts_file))
    shutil.copyfile(ts_file, copy)
    subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none',
                    os.path.join(source_dir, 'ui'), os.path.join(source_dir, 'platform'),
                    '-ts', copy], check=True)
    current = set()
    for context, message in messages(copy):
        source = text_of(message.find('source'))
        current.add((context, source))
        translation = message.find('translation')
        shown = f'{context}: {source!r}'
        if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
            problems.append(f'not translated: {shown}')
            continue
        translated = text_of(translation)
        if not translated.strip():
            problems.append(f'empty translation: {shown}')
        if sorted(re.findall(r'%\d', source)) != sorted(re.findall(r'%\d', translated)):
            problems.append(f'placeholders differ: {shown} -> {translated!r}')
        if access_letters(source) == 1 and access_letters(translated) != 1:
            problems.append(f'needs one access letter: {shown} -> {translated!r}')
    for context, message in messages(ts_file):
        if (context, text_of(message.find('source'))) not in current:
            problems.append(f'no longer in the sources: {context}: '
                            f'{text_of(message.find("source"))!r}')
    return problems


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for ts_file in ts_files:
            problems = check(lupdate, source_dir, ts_file, scratch)
            for problem in problems:
                print(f'{os.path.basename(ts_file)}: {problem}')
            failed |= bool(problems)
    if failed:
        print('Run `cmake --build <build> --target update_translations`, then translate the '
              'texts in the .ts files (e.g. with linguist).')
        return 1
    print(f'{len(ts_files)} language files complete')
    return 0


if __name__ == '__main__':
    sys.exit(main())
