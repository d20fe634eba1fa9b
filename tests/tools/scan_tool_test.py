#!/usr/bin/env python3
"""vantrel-scan as a user runs it: rows of a saved page, standard input,
the pattern mode, and its errors."""
import os
import socket
import subprocess
import sys
import tempfile
import unittest

SCAN = None
DEMO_SITE = None
HERE = os.path.dirname(os.path.abspath(__file__))
PAGE = os.path.join(HERE, 'result_page.html')

# The rows of result_page.html, written out by hand.
EXPECTED_ROWS = (
    '1\t2024-01-02 10:00:00\t1.5 GB\t中文名称.mkv\tmagnet:?xt=urn:btih:AAA&amp;dn=a\n'
    '2\t2024-02-03 11:00:00\t700 MB\t한국어 😀.mp4\tmagnet:?xt=urn:btih:BBB\n'
)


def run(args, stdin=b''):
    return subprocess.run([SCAN] + args, input=stdin, capture_output=True, timeout=30)


class ScanToolTest(unittest.TestCase):
    def test_rows_of_a_saved_page(self):
        result = run([PAGE])
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout.decode('utf-8'), EXPECTED_ROWS)

    def test_standard_input_and_numbering_across_inputs(self):
        with open(PAGE, 'rb') as f:
            page = f.read()
        result = run(['-', PAGE], stdin=page)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.decode('utf-8').splitlines()
        self.assertEqual([line.split('\t')[0] for line in lines], ['1', '2', '3', '4'])
        self.assertEqual(lines[3].split('\t', 1)[1], EXPECTED_ROWS.splitlines()[1].split('\t', 1)[1])

    def test_pages_the_direct_scan_cannot_vouch_for_go_through_program_text(self):
        # A row per case: bytes that are not UTF-8, a private-use character the
        # code page lacks, a sequence cut off by the end of the page.
        with open(PAGE, 'rb') as f:
            page = f.read()
        broken = (page.replace('中文名称'.encode(), b'bad\xffname')
                  .replace('한국어'.encode(), b'pua\xee\x9e\x8d') + b'\xe4\xb8')
        result = run(['-'], stdin=broken)
        self.assertEqual(result.returncode, 0, result.stderr)
        names = [line.split('\t')[3] for line in result.stdout.decode('utf-8').splitlines()]
        self.assertEqual(names, ['bad\ufffdname.mkv', 'pua? 😀.mp4'])
        empty = run(['-'], stdin=b'')
        self.assertEqual((empty.returncode, empty.stdout), (0, b''))

    def test_pattern_mode_prints_offsets_texts_and_groups(self):
        with tempfile.TemporaryDirectory() as tmp:
            pattern = os.path.join(tmp, 'pattern')
            subject = os.path.join(tmp, 'subject')
            with open(pattern, 'w', encoding='utf-8') as f:
                f.write('(b)(x)?')
            with open(subject, 'w', encoding='utf-8') as f:
                f.write('中b B')
            result = run(['--pattern', pattern, subject])
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stdout.decode('utf-8'), '2\tb\tb\t\n4\tB\tB\t\n')
            result = run(['--pattern', pattern, '--case-sensitive', '--first-only', subject])
            self.assertEqual(result.stdout.decode('utf-8'), '2\tb\tb\t\n')

    def test_web_addresses_are_fetched_and_numbered_on(self):
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            port = probe.getsockname()[1]
        site = subprocess.Popen([DEMO_SITE, str(port)], stdout=subprocess.PIPE)
        try:
            site.stdout.readline()  # the site says where it listens once it does
            base = 'http://127.0.0.1:%d/s/%%E4%%B8%%AD' % port
            result = run([base, base + '/1', base + '/5'])
        finally:
            site.terminate()
            site.wait(timeout=10)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.decode('utf-8').splitlines()
        self.assertEqual([line.split('\t')[0] for line in lines], [str(n) for n in range(1, 41)])
        self.assertTrue(all(line.split('\t')[4].startswith('magnet:?') for line in lines))
        self.assertIn('中', lines[0].split('\t')[3])

    def test_errors_go_to_stderr_with_exit_code_2(self):
        with tempfile.TemporaryDirectory() as tmp:
            # A copy of the program away from its fetch module can still scan
            # files; a web address is an error, not a crash or an empty page.
            lone_scan = os.path.join(tmp, 'vantrel-scan')
            with open(SCAN, 'rb') as source, open(lone_scan, 'wb') as copy:
                copy.write(source.read())
            os.chmod(lone_scan, 0o755)
            lone = subprocess.run([lone_scan, PAGE, 'http://127.0.0.1:9/'], capture_output=True,
                                  timeout=30)
            self.assertEqual(lone.returncode, 2)
            self.assertEqual(lone.stdout.decode('utf-8'), EXPECTED_ROWS)
            self.assertIn(b'fetch module', lone.stderr)
            missing = os.path.join(tmp, 'missing.html')
            pattern = os.path.join(tmp, 'pattern')
            with open(pattern, 'w') as f:
                f.write('(unbalanced')
            cases = [
                ('missing file', [missing]),
                ('directory', [tmp]),
                ('unknown option', ['--frobnicate', PAGE]),
                ('pattern without file', ['--pattern']),
                ('missing pattern file', ['--pattern', missing, PAGE]),
                ('rejected pattern', ['--pattern', pattern, PAGE]),
            ]
            for name, args in cases:
                with self.subTest(name):
                    result = run(args)
                    self.assertEqual(result.returncode, 2)
                    self.assertEqual(result.stdout, b'')
                    self.assertIn(b'vantrel-scan:', result.stderr)


if __name__ == '__main__':
    SCAN = sys.argv.pop(1)
    DEMO_SITE = sys.argv.pop(1)
    unittest.main()
