#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Installs, upgrades and removes the Windows Installer package under Wine,
in a fresh prefix of its own, and checks what each step leaves behind.

    installer_test.py WINE_RUN PACKAGE VERSION WORK_DIR MSI_SCRIPT -- PACKAGE_COMMAND...

PACKAGE_COMMAND builds a package of another version with MSI_SCRIPT (the test
appends -DSTAGE=... -DVERSION=... -DOUTPUT=... -P MSI_SCRIPT). The package
lies in the build folder, whose bin/docs holds the user guide's pictures.
Needs an X server (xvfb-run) for the viewer's window.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import time

MAIN_WINDOW = "Veltrisko   HCM"
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall"
SYSTEM_ENVIRONMENT = r"HKLM\System\CurrentControlSet\Control\Session Manager\Environment"
PATTERN_TYPES = {".pln", ".adf", ".pat", ".ant"}
PRODUCTS = (r"HKCU\Software\Microsoft\Installer\Products",
            r"HKLM\Software\Classes\Installer\Products")
SHORTCUT = ("AppData", "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
            "Veltrisko.lnk")


class Failure(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


class Prefix:
    def __init__(self, wine_run, path):
        self.wine_run, self.path = wine_run, path
        # No menu entries or file associations on the host's desktop.
        self.env = dict(os.environ, WINEDLLOVERRIDES="winemenubuilder.exe=d")

    def command(self, *args):
        return [self.wine_run, "--prefix", self.path, *args]

    def run(self, *args, timeout=300):
        return subprocess.run(self.command(*args), env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, errors="replace", timeout=timeout)

    def msiexec(self, *args):
        result = self.run("msiexec", *args, "/qn")
        expect(result.returncode == 0, "msiexec %s: exit status %d" % (" ".join(args),
                                                                       result.returncode))

    def registry(self, key):
        """{subkey: {name: data}} of a key and its subkeys, {} when absent."""
        result = self.run("reg", "query", key, "/s")
        if result.returncode != 0:
            return {}
        keys, current = {}, None
        for line in result.stdout.splitlines():
            if line.startswith("HKEY_"):
                current = keys.setdefault(line.strip(), {})
            elif current is not None:
                found = re.match(r"^    (.*?)    (REG_\w+)    ?(.*)$", line)
                if found:
                    current[found.group(1)] = found.group(3)
        return keys

    def value(self, key, name):
        return self.registry(key).get(self.full(key), {}).get(name)

    @staticmethod
    def full(key):
        roots = {"HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE"}
        root, rest = key.split("\\", 1)
        return roots[root] + "\\" + rest

    def user_folder(self, *parts):
        users = [u for u in glob.glob(os.path.join(self.path, "drive_c", "users", "*"))
                 if os.path.basename(u) != "Public"]
        return os.path.join(users[0], *parts)

    def stop(self):
        subprocess.run(self.command("--stop"), env=self.env)


def installations(prefix):
    """The uninstall entries of Veltrisko, per user and per machine."""
    entries = []
    for root in ("HKCU", "HKLM"):
        for values in prefix.registry(root + "\\" + UNINSTALL).values():
            if values.get("DisplayName") == "Veltrisko":
                entries.append(values)
    return entries


def check_installed(prefix, folder, version, pictures, classes, path_key):
    for name in ("veltrisko.exe", "veltrisko-pattern.exe", "user-guide.html",
                 "user-guide.de.html", "README.md", "LICENSE", "veltrisko.html"):
        expect(os.path.isfile(os.path.join(folder, name)), "%s not installed" % name)
    installed = sorted(os.listdir(os.path.join(folder, "docs")))
    expect(installed == pictures, "pictures %s, expected %s" % (installed, pictures))

    entries = installations(prefix)
    expect(len(entries) == 1, "%d uninstall entries" % len(entries))
    expect(entries[0].get("DisplayVersion") == version and
           entries[0].get("Publisher") == "The Veltrisko developers",
           "uninstall entry %s" % entries[0])
    # "Apps & features" shows the icon the product registration names.
    icons = [values.get("ProductIcon", "") for root in PRODUCTS
             for values in prefix.registry(root).values()
             if values.get("ProductName") == "Veltrisko"]
    expect(len(icons) == 1 and icons[0].endswith("\\veltrisko.ico"), "product icons %s" % icons)

    types = prefix.registry(classes + r"\Applications\veltrisko.exe\SupportedTypes")
    supported = set(next(iter(types.values()), {}))
    expect(supported == PATTERN_TYPES, "supported types %s" % sorted(supported))
    command = prefix.value(classes + r"\Applications\veltrisko.exe\shell\open\command",
                           "(Default)")
    expect(command is not None and command.endswith('\\veltrisko.exe" "%1"'),
           "Open with command %s" % command)
    for extension in PATTERN_TYPES:
        handler = prefix.value(classes + "\\" + extension, "(Default)")
        expect(not handler, "%s has the handler %s" % (extension, handler))
        expect(prefix.registry(classes + "\\" + extension + r"\OpenWithList\veltrisko.exe"),
               "%s lists no veltrisko.exe to open with" % extension)

    path = prefix.value(*path_key) or ""
    entries = [entry for entry in path.split(";")
               if entry.rstrip("\\").lower().endswith("\\veltrisko")]
    expect(len(entries) == 1, "PATH %s" % path)


def set_path(prefix, path_key, value):
    key, name = path_key
    result = prefix.run("reg", "add", key, "/v", name, "/t", "REG_EXPAND_SZ", "/d", value, "/f")
    expect(result.returncode == 0, "reg add %s: exit status %d" % (key, result.returncode))


def check_removed(prefix, folder, classes, path_key, path_before):
    expect(not os.path.exists(folder), "%s left behind" % folder)
    expect(not os.path.exists(prefix.user_folder(*SHORTCUT)), "shortcut left behind")
    expect(not installations(prefix), "uninstall entry left behind")
    for key in (classes + r"\Applications\veltrisko.exe", classes + r"\.pln",
                path_key[0].split("\\")[0] + r"\Software\Veltrisko"):
        expect(not prefix.registry(key), "%s left behind" % key)
    # Exactly what was added goes, with its separator.
    path = prefix.value(*path_key) or ""
    expect(path == path_before, "PATH %r, before the installation %r" % (path, path_before))


def viewer_shows_window(prefix, viewer):
    process = subprocess.Popen(prefix.command(viewer), env=prefix.env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        end = time.time() + 60
        while time.time() < end:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", MAIN_WINDOW],
                                   capture_output=True, text=True).stdout.split()
            if found:
                return True
            time.sleep(0.5)
        return False
    finally:
        process.kill()
        prefix.stop()  # ends the viewer inside Wine too


def bumped(version):
    parts = version.split(".")
    parts[-1] = str(int(parts[-1]) + 1)
    return ".".join(parts)


def run(prefix, package, version, work, msi_script, package_command):
    pictures = sorted(os.listdir(os.path.join(os.path.dirname(package), "bin", "docs")))
    user_path = (r"HKCU\Environment", "PATH")
    set_path(prefix, user_path, r"C:\foo")

    # Per user, as a double click would install it.
    prefix.msiexec("/i", package)
    user_folder = prefix.user_folder("AppData", "Local", "Programs", "Veltrisko")
    check_installed(prefix, user_folder, version, pictures, r"HKCU\Software\Classes", user_path)
    expect(os.path.isfile(prefix.user_folder(*SHORTCUT)), "no Start-menu shortcut")
    # A new console finds the tool on PATH.
    result = prefix.run("cmd", "/c", "veltrisko-pattern", "--version")
    expect(result.stdout.strip() == "veltrisko-pattern " + version,
           "veltrisko-pattern --version: %r" % result.stdout)
    expect(viewer_shows_window(prefix, os.path.join(user_folder, "veltrisko.exe")),
           "the installed viewer shows no window")

    # The same package again repairs, then a higher version replaces: one
    # installation.
    for name in ("README.md", "veltrisko-pattern.exe"):
        os.remove(os.path.join(user_folder, name))
    prefix.msiexec("/i", package)
    check_installed(prefix, user_folder, version, pictures, r"HKCU\Software\Classes", user_path)
    # An entry the user has since moved between two others.
    entry = next(entry for entry in prefix.value(*user_path).split(";") if "Veltrisko" in entry)
    set_path(prefix, user_path, r"C:\new;%s;C:\foo" % entry)
    higher = bumped(version)
    higher_package = os.path.join(work, "veltrisko-%s-x64.msi" % higher)
    subprocess.run(package_command + ["-DSTAGE=" + os.path.join(work, "stage"),
                                      "-DVERSION=" + higher, "-DOUTPUT=" + higher_package,
                                      "-P", msi_script], check=True, stdout=subprocess.DEVNULL)
    prefix.msiexec("/i", higher_package)
    check_installed(prefix, user_folder, higher, pictures, r"HKCU\Software\Classes", user_path)
    prefix.msiexec("/x", higher_package)
    check_removed(prefix, user_folder, r"HKCU\Software\Classes", user_path, r"C:\new;C:\foo")

    # The lower version refuses to replace a higher one. Tried on a fresh
    # installation: Wine removes the replaced product only after registering
    # the new one, and forgets the upgrade code of both.
    prefix.msiexec("/i", higher_package)
    expect(prefix.run("msiexec", "/i", package, "/qn").returncode != 0,
           "the lower version installed over the higher one")
    check_installed(prefix, user_folder, higher, pictures, r"HKCU\Software\Classes", user_path)
    prefix.msiexec("/x", higher_package)
    check_removed(prefix, user_folder, r"HKCU\Software\Classes", user_path, r"C:\new;C:\foo")

    # Per machine, for an administrator, and its removal.
    machine_folder = os.path.join(prefix.path, "drive_c", "Program Files", "Veltrisko")
    system_path = (SYSTEM_ENVIRONMENT, "PATH")
    system_path_before = prefix.value(*system_path) or ""
    prefix.msiexec("/i", package, "ALLUSERS=1")
    check_installed(prefix, machine_folder, version, pictures, r"HKLM\Software\Classes",
                    system_path)
    expect(not os.path.exists(user_folder), "per-machine installation in the user's folder")
    prefix.msiexec("/x", package)
    check_removed(prefix, machine_folder, r"HKLM\Software\Classes", system_path,
                  system_path_before)


def main():
    split = sys.argv.index("--")
    wine_run, package, version, work, msi_script = sys.argv[1:split]
    package_command = sys.argv[split + 1:]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    prefix = Prefix(wine_run, os.path.join(work, "prefix"))
    try:
        run(prefix, package, version, work, msi_script, package_command)
    except Failure as failure:
        print("FAILED:", failure)
        return 1
    finally:
        prefix.stop()
    print("The Windows Installer package passed.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
