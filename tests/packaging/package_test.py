#!/usr/bin/env python3
"""Vantrel installed as a desktop program: the tree `cmake --install` lays into a
DESTDIR, the desktop validators' verdicts on it, and the Debian package of it."""
import configparser
import os
import re
import shutil
import socket
import stat
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

CMAKE = CPACK = BUILD = VERSION = None
APP_ID = 'io.github.vantrel.Vantrel'
PREFIX = '/usr/local'
PACKAGE_PREFIX = '/usr'

PROGRAMS = ('bin/vantrel', 'bin/vantrel-demo-site', 'bin/vantrel-scan')
# vantrel-scan loads it, by its place relative to bin/, for web addresses.
FETCH_MODULE = 'lib/vantrel/vantrel-scan-fetch.so'
BINARIES = PROGRAMS + (FETCH_MODULE,)
DESKTOP = f'share/applications/{APP_ID}.desktop'
METAINFO = f'share/metainfo/{APP_ID}.metainfo.xml'
SVG = f'share/icons/hicolor/scalable/apps/{APP_ID}.svg'
PNGS = {
    f'share/icons/hicolor/48x48/apps/{APP_ID}.png': 48,
    f'share/icons/hicolor/256x256/apps/{APP_ID}.png': 256,
}
EXPECTED = set(BINARIES) | {DESKTOP, METAINFO, SVG} | set(PNGS)

# What the programs need on a bare Debian 12 to start and draw the window.
RUNTIME_PACKAGES = ('libqt6widgets6', 'libqt6gui6', 'libqt6core6', 'qt6-qpa-plugins',
                    'libcurl4', 'libpcre2-16-0', 'fonts-wqy-microhei', 'libc6', 'libstdc++6')


def run(args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=600, **kwargs)


def files_under(root):
    """Paths of the files (not folders) below root, relative to it."""
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    return found


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    assert head[:8] == b'\x89PNG\r\n\x1a\n' and head[12:16] == b'IHDR', path
    return int.from_bytes(head[16:20], 'big'), int.from_bytes(head[20:24], 'big')


def read_manifest():
    """The build's list of what `cmake --install` put on this machine, or None."""
    try:
        with open(os.path.join(BUILD, 'install_manifest.txt'), 'rb') as f:
            return f.read()
    except FileNotFoundError:
        return None


def restore_manifest(content):
    path = os.path.join(BUILD, 'install_manifest.txt')
    if content is None:
        if os.path.exists(path):
            os.remove(path)
    else:
        with open(path, 'wb') as f:
            f.write(content)


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive and carry [locale]
    parser.read(path, encoding='utf-8')
    return parser['Desktop Entry']


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix='vantrel-packaging-')
        destdir = os.path.join(cls.work, 'root')
        # The install rewrites the build's manifest, which a source install's
        # uninstall reads: it is put back as it was.
        manifest = read_manifest()
        try:
            result = run([CMAKE, '--install', BUILD, '--prefix', PREFIX],
                         env=dict(os.environ, DESTDIR=destdir))
        finally:
            restore_manifest(manifest)
        if result.returncode != 0:
            raise AssertionError('cmake --install failed:\n' + result.stdout + result.stderr)
        cls.destdir = destdir
        cls.root = destdir + PREFIX

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def path(self, relative):
        return os.path.join(self.root, relative)

    def test_installs_exactly_the_expected_files_under_the_prefix(self):
        self.assertEqual(files_under(self.destdir), {PREFIX[1:] + '/' + p for p in EXPECTED})

    def test_programs_are_executable_and_do_not_reach_into_the_build_tree(self):
        for program in BINARIES:
            with self.subTest(program=program):
                mode = os.stat(self.path(program)).st_mode
                self.assertTrue(stat.S_ISREG(mode))
                # A shared object is loaded, not run: 644, as Debian has it.
                self.assertEqual(mode & 0o111, 0 if program == FETCH_MODULE else 0o111)
                with open(self.path(program), 'rb') as f:
                    self.assertEqual(f.read(4), b'\x7fELF')
                dynamic = run(['readelf', '-d', self.path(program)])
                self.assertEqual(dynamic.returncode, 0, dynamic.stderr)
                self.assertNotIn(os.path.realpath(BUILD), dynamic.stdout)

    def test_installed_scanner_runs(self):
        pattern = os.path.join(self.work, 'pattern')
        with open(pattern, 'w', encoding='utf-8') as f:
            f.write('b+')
        result = run([self.path('bin/vantrel-scan'), '--pattern', pattern], input='abbc')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('bb', result.stdout)
        # The installed fetch module loads: a refused connection is an empty
        # page (exit 0), a module not found would be exit 2.
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            closed = 'http://127.0.0.1:%d/' % probe.getsockname()[1]
        result = run([self.path('bin/vantrel-scan'), closed])
        self.assertEqual((result.returncode, result.stdout, result.stderr), (0, '', ''))

    def test_icons_have_their_sizes(self):
        self.assertEqual(ElementTree.parse(self.path(SVG)).getroot().tag, '{http://www.w3.org/2000/svg}svg')
        for png, size in PNGS.items():
            with self.subTest(png=png):
                self.assertEqual(png_size(self.path(png)), (size, size))

    def test_desktop_entry_is_valid_and_names_the_program_and_icon(self):
        result = run(['desktop-file-validate', self.path(DESKTOP)])
        print(f'desktop-file-validate: exit {result.returncode}\n{result.stdout}{result.stderr}',
              file=sys.stderr)
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stdout + result.stderr, '')
        entry = read_desktop_entry(self.path(DESKTOP))
        self.assertEqual(entry['Type'], 'Application')
        self.assertEqual(entry['Name'], 'Vantrel')
        self.assertRegex(entry['Name[zh_CN]'], r'[\u4e00-\u9fff]')
        self.assertEqual(entry['Exec'], 'vantrel')
        self.assertEqual(entry['Icon'], APP_ID)
        self.assertTrue({'Network', 'FileTransfer'} <= set(entry['Categories'].split(';')))

    def test_metainfo_is_valid_and_points_at_the_desktop_entry(self):
        result = run(['appstreamcli', 'validate', '--no-net', self.path(METAINFO)])
        print(f'appstreamcli validate: exit {result.returncode}\n{result.stdout}{result.stderr}',
              file=sys.stderr)
        self.assertEqual(result.returncode, 0)
        component = ElementTree.parse(self.path(METAINFO)).getroot()
        self.assertEqual(component.get('type'), 'desktop-application')
        self.assertEqual(component.findtext('id'), APP_ID)
        self.assertEqual(component.findtext('name'), 'Vantrel')
        launchable = component.find('launchable')
        self.assertEqual((launchable.get('type'), launchable.text), ('desktop-id', os.path.basename(DESKTOP)))
        self.assertEqual([r.get('version') for r in component.iter('release')], [VERSION])
        for tag in ('summary', 'description', 'metadata_license', 'project_license', 'content_rating'):
            self.assertIsNotNone(component.find(tag), tag)


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix='vantrel-deb-')
        manifest_before = read_manifest()
        result = run([CPACK, '-G', 'DEB', '--config', os.path.join(BUILD, 'CPackConfig.cmake'),
                      '-B', cls.work])
        cls.manifest_kept = read_manifest() == manifest_before
        restore_manifest(manifest_before)
        if result.returncode != 0:
            raise AssertionError('cpack failed:\n' + result.stdout + result.stderr)
        arch = run(['dpkg', '--print-architecture']).stdout.strip()
        cls.deb = os.path.join(cls.work, f'vantrel_{VERSION}_{arch}.deb')
        if not os.path.isfile(cls.deb):
            raise AssertionError(f'no {cls.deb}; cpack made: {os.listdir(cls.work)}')
        contents = run(['dpkg-deb', '--contents', cls.deb])
        if contents.returncode != 0:
            raise AssertionError(contents.stderr)
        print(contents.stdout, file=sys.stderr)
        # mode, owner, size, date, time, path (a link adds "-> target")
        cls.entries = {}
        for line in contents.stdout.splitlines():
            fields = line.split(None, 5)
            cls.entries[fields[5].split(' -> ')[0]] = fields[0]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def field(self, name):
        result = run(['dpkg-deb', '-f', self.deb, name])
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stdout.strip()

    def test_leaves_the_manifest_of_a_source_install_alone(self):
        # Otherwise `xargs rm < install_manifest.txt` would remove the package's files.
        self.assertTrue(self.manifest_kept)

    def test_holds_the_install_tree_under_usr(self):
        files = {path for path, mode in self.entries.items() if not mode.startswith('d')}
        self.assertEqual(files, {'.' + PACKAGE_PREFIX + '/' + p for p in EXPECTED})

    def test_programs_are_executable_in_the_package(self):
        for program in PROGRAMS:
            with self.subTest(program=program):
                self.assertEqual(self.entries['.' + PACKAGE_PREFIX + '/' + program], '-rwxr-xr-x')

    def test_programs_in_the_package_are_stripped(self):
        unpacked = os.path.join(self.work, 'unpacked')
        result = run(['dpkg-deb', '--extract', self.deb, unpacked])
        self.assertEqual(result.returncode, 0, result.stderr)
        for program in BINARIES:
            with self.subTest(program=program):
                sections = run(['readelf', '--section-headers', unpacked + PACKAGE_PREFIX + '/' + program])
                self.assertEqual(sections.returncode, 0, sections.stderr)
                self.assertIn('.text', sections.stdout)
                self.assertNotIn('.debug_info', sections.stdout)

    def test_control_names_package_and_version(self):
        self.assertEqual(self.field('Package'), 'vantrel')
        self.assertEqual(self.field('Version'), VERSION)
        self.assertNotIn(';', self.field('Description'))  # a CMake list leaking into the text

    def test_depends_on_the_runtime_packages(self):
        depends = self.field('Depends')
        print('Depends: ' + depends, file=sys.stderr)
        names = {re.split(r'[\s(:]', alternative.strip())[0]
                 for clause in depends.split(',') for alternative in clause.split('|')}
        for package in RUNTIME_PACKAGES:
            with self.subTest(package=package):
                self.assertIn(package, names)


if __name__ == '__main__':
    CMAKE, CPACK, BUILD, VERSION = sys.argv[1:5]
    unittest.main(argv=sys.argv[:1], verbosity=2)
