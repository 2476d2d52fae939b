#!/usr/bin/env python3
"""Runs a command under the restrictions of a systemd service unit, applied by hand.

Where no service manager can start the unit, this process applies to itself what the unit's
[Service] section asks for, as far as the kernel lets an unprivileged process, and then executes
the command, which inherits it all. Mount, network and host-name options need namespaces that
an unprivileged process, like a user manager, can only make inside a user namespace of its own
(mapping the user to itself); without one they are skipped. Each directive is reported as
applied, with how, or as skipped, with why; none is left out silently. System-call sets
(@system-service, ...) are read from systemd-analyze, so the filter is the unit's own.

Usage: unit-sandbox.py [--report FILE] UNIT COMMAND [ARG...]
       unit-sandbox.py [--report FILE] --probe UNIT
--probe runs, under the same sandbox, a check of every restriction that was applied (each must
refuse what it forbids) and exits 1 when one does not hold.
"""

import ctypes
import errno
import json
import os
import re
import socket
import subprocess
import sys
import tempfile

import seccomp

libc = ctypes.CDLL(None, use_errno=True)
libc.mount.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_char_p, ctypes.c_ulong,
                       ctypes.c_char_p]
libc.mmap.restype = ctypes.c_void_p
libc.mmap.argtypes = [ctypes.c_void_p, ctypes.c_size_t, ctypes.c_int, ctypes.c_int,
                      ctypes.c_int, ctypes.c_long]
libc.mprotect.argtypes = [ctypes.c_void_p, ctypes.c_size_t, ctypes.c_int]
libc.munmap.argtypes = [ctypes.c_void_p, ctypes.c_size_t]
libc.syscall.restype = ctypes.c_long

CLONE_NEWNS, CLONE_NEWUTS = 0x20000, 0x4000000
CLONE_NEWUSER, CLONE_NEWNET = 0x10000000, 0x40000000
NAMESPACE_FLAGS = [0x80, 0x20000, 0x2000000, 0x4000000, 0x8000000, 0x10000000, 0x20000000,
                   0x40000000]  # time, mount, cgroup, uts, ipc, user, pid, network
MS_RDONLY, MS_NOSUID, MS_NODEV, MS_NOEXEC, MS_REMOUNT = 1, 2, 4, 8, 32
MS_NOATIME, MS_NODIRATIME, MS_BIND, MS_MOVE, MS_REC = 1024, 2048, 4096, 8192, 16384
MS_SLAVE, MS_RELATIME = 1 << 19, 1 << 21
MNT_DETACH = 2
PR_SET_NO_NEW_PRIVS, PR_SET_MDWE, PR_MDWE_REFUSE_EXEC_GAIN = 38, 65, 1
PROT_READ, PROT_WRITE, PROT_EXEC = 1, 2, 4
MAP_PRIVATE, MAP_ANONYMOUS = 2, 0x20
SHM_EXEC = 0o100000
O_CREAT = 0o100
S_ISUID, S_ISGID = 0o4000, 0o2000
SCHED_FIFO, SCHED_RR, SCHED_IDLE = 1, 2, 5
AF_MAX = 46  # one past the last address family Linux knows
IOPRIO_WHO_PROCESS, IOPRIO_CLASS_SHIFT = 1, 13
IO_CLASSES = {"realtime": 1, "best-effort": 2, "idle": 3}
KEYCTL_GET_KEYRING_ID, KEYCTL_JOIN_SESSION_KEYRING, KEY_SPEC_SESSION_KEYRING = 0, 1, -3
PERSONALITY_QUERY, PER_LINUX32 = 0xFFFFFFFF, 0x0008
# What PrivateDevices= leaves in /dev: the pseudo devices, as links or bound from the host.
PRIVATE_DEVICE_NODES = ["null", "zero", "full", "random", "urandom", "tty"]
PRIVATE_DEVICE_LINKS = {"fd": "/proc/self/fd", "stdin": "/proc/self/fd/0",
                        "stdout": "/proc/self/fd/1", "stderr": "/proc/self/fd/2",
                        "ptmx": "pts/ptmx"}
# Keys of [Service] that say what runs and when, not what it may do.
NOT_RESTRICTIONS = {"Type", "ExecStart", "ExecStartPre", "ExecStartPost", "ExecStop",
                    "SuccessExitStatus", "RemainAfterExit", "TimeoutStartSec", "Environment"}


def fail_errno(what):
    e = ctypes.get_errno()
    raise OSError(e, "%s: %s" % (what, os.strerror(e)))


def nr(name):
    return seccomp.resolve_syscall(seccomp.Arch.NATIVE, name)


def call(name, *args):
    result = libc.syscall(nr(name), *args)
    if result == -1:
        fail_errno(name)
    return result


def read_unit(path):
    """The [Service] section's assignments in order, empty ones (which reset a list) too."""
    directives, section = [], None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line[0] in "#;":
                continue
            if line.startswith("["):
                section = line
            elif section == "[Service]" and "=" in line:
                key, value = line.split("=", 1)
                directives.append((key.strip(), value.strip()))
    return directives


def yes(value):
    return value.lower() in ("yes", "true", "on", "1")


class SyscallSets:
    """systemd's named system-call sets, as systemd-analyze lists them, expanded."""

    def __init__(self):
        self.sets, name = {}, None
        out = subprocess.run(["systemd-analyze", "syscall-filter"], check=True,
                             capture_output=True, text=True).stdout
        for line in out.splitlines():
            word = line.strip()
            if line.startswith("@"):
                name = word
                self.sets[name] = []
            elif not line.startswith(" "):
                name = None  # the end of the sets: what follows lists the unnamed calls
            elif name and word and not word.startswith("#"):
                self.sets[name].append(word)

    def expand(self, name):
        if not name.startswith("@"):
            return {name}
        if name not in self.sets:
            raise ValueError("systemd-analyze knows no system-call set %s" % name)
        return set().union(*(self.expand(word) for word in self.sets[name]))


def syscall_filter_sets(values, sets):
    """The allow list (or the deny list) that SystemCallFilter= lines make, in systemd's way."""
    allow, names = None, set()
    for value in values:
        if not value:
            allow, names = None, set()
            continue
        invert = value.startswith("~")
        words = value.lstrip("~").split()
        if allow is None:
            allow = not invert
            names = set(sets.expand("@default")) if allow else set()
        for word in words:
            if invert == (not allow):  # "~" on a deny list, or a plain line on an allow list
                names |= sets.expand(word)
            else:
                names -= sets.expand(word)
    return allow, names


def new_filter(default):
    f = seccomp.SyscallFilter(defaction=default)
    f.set_attr(seccomp.Attr.CTL_NNP, 0)  # NoNewPrivileges= is applied (or implied) on its own
    f.set_attr(seccomp.Attr.ACT_BADARCH, seccomp.ALLOW)  # SystemCallArchitectures= does that
    return f


def add_rule(f, action, name, *args):
    try:
        f.add_rule(action, name, *args)
    except (ValueError, RuntimeError):
        pass  # a call this architecture does not have


def deny_calls(names, error=errno.EPERM):
    f = new_filter(seccomp.ALLOW)
    for name in sorted(names):
        add_rule(f, seccomp.ERRNO(error), name)
    return f


def mount(source, target, fstype, flags, data=None):
    enc = lambda s: s.encode() if isinstance(s, str) else s
    if libc.mount(enc(source), enc(target), enc(fstype), flags, enc(data)) != 0:
        fail_errno("mount %s" % target)


def mounts_under(path):
    """Mount points at or below path, from this mount namespace's mountinfo."""
    found = []
    with open("/proc/self/mountinfo") as f:
        for line in f:
            point = re.sub(r"\\([0-7]{3})", lambda m: chr(int(m.group(1), 8)), line.split()[4])
            if point == path or point.startswith(path.rstrip("/") + "/"):
                found.append(point)
    return found


def kept_flags(point):
    """A remount in a user namespace must keep the flags the outer namespace locked."""
    st = os.statvfs(point).f_flag
    flags = 0
    for st_bit, ms_bit in ((os.ST_NOSUID, MS_NOSUID), (os.ST_NODEV, MS_NODEV),
                           (os.ST_NOEXEC, MS_NOEXEC), (os.ST_NOATIME, MS_NOATIME),
                           (os.ST_NODIRATIME, MS_NODIRATIME), (os.ST_RELATIME, MS_RELATIME)):
        if st & st_bit:
            flags |= ms_bit
    return flags


def make_read_only(path):
    mount(path, path, None, MS_BIND | MS_REC)
    for point in mounts_under(path):
        mount(None, point, None, MS_BIND | MS_REMOUNT | MS_RDONLY | kept_flags(point))


def hide_with_empty_folder(path):
    mount("tmpfs", path, "tmpfs", MS_RDONLY | MS_NOSUID | MS_NODEV | MS_NOEXEC, "mode=0755")


def private_dev():
    new = tempfile.mkdtemp(prefix="unit-sandbox-dev.")
    try:
        mount("tmpfs", new, "tmpfs", MS_NOSUID | MS_NOEXEC, "mode=0755")
        for node in PRIVATE_DEVICE_NODES:
            open(os.path.join(new, node), "w").close()
            mount("/dev/" + node, os.path.join(new, node), None, MS_BIND)
        for folder, mode in (("pts", 0o755), ("shm", 0o1777)):
            os.mkdir(os.path.join(new, folder))
            os.chmod(os.path.join(new, folder), mode)
        mount("/dev/pts", os.path.join(new, "pts"), None, MS_BIND | MS_REC)
        mount("tmpfs", os.path.join(new, "shm"), "tmpfs", MS_NOSUID | MS_NODEV, "mode=1777")
        for name, target in PRIVATE_DEVICE_LINKS.items():
            os.symlink(target, os.path.join(new, name))
        mount(new, "/dev", None, MS_MOVE)
    finally:
        libc.umount2(new.encode(), MNT_DETACH)  # only when the move did not happen
        os.rmdir(new)


class Sandbox:
    def __init__(self, directives):
        self.values = {}
        for key, value in directives:
            self.values.setdefault(key, []).append(value)
        self.parts = {}  # directive -> [(applied, how or why)]
        self.checks = {}  # what the probe checks -> what it needs to know
        self.filters = []
        self.sets = SyscallSets()

    def last(self, key):
        return self.values.get(key, [None])[-1]

    def wanted(self, key):
        value = self.last(key)
        return value is not None and value.lower() not in ("", "no", "false", "off", "0")

    def done(self, key, how, check=None, data=None):
        self.parts.setdefault(key, []).append((True, how))
        if check:
            self.checks[check] = data

    def skip(self, key, why):
        self.parts.setdefault(key, []).append((False, why))

    def report(self):
        lines = []
        for key, parts in self.parts.items():
            applied = [how for ok, how in parts if ok]
            skipped = [why for ok, why in parts if not ok]
            state = "applied" if not skipped else "partly" if applied else "skipped"
            text = "; ".join(applied + ["not applied: " + why for why in skipped] if applied
                             else skipped)
            value = " ".join(v for v in self.values.get(key, []) if v)
            lines.append("%-8s %s=%s: %s" % (state, key, value, text))
        return lines

    # Namespaces and mounts come first: they need the capabilities that the user namespace
    # grants and that the executed command no longer has.
    MOUNT_KEYS = ("ProtectSystem", "ProtectKernelTunables", "ProtectControlGroups",
                  "ProtectKernelModules", "ProtectKernelLogs", "PrivateDevices", "PrivateMounts")

    def namespaces(self):
        mount_keys = [k for k in self.MOUNT_KEYS if self.wanted(k)]
        flags = CLONE_NEWNS if mount_keys else 0
        flags |= CLONE_NEWNET if self.wanted("PrivateNetwork") else 0
        flags |= CLONE_NEWUTS if self.wanted("ProtectHostname") else 0
        if not flags:
            return
        keys = mount_keys + [k for k in ("PrivateNetwork", "ProtectHostname") if self.wanted(k)]
        if self.last("IPAddressDeny") == "any":
            keys.append("IPAddressDeny")
        before = {ns: os.readlink("/proc/self/ns/" + ns) for ns in ("mnt", "net")}
        why = None
        if os.geteuid() != 0:
            uid, gid = os.geteuid(), os.getegid()
            if libc.unshare(CLONE_NEWUSER) != 0:
                why = "no user namespace here (%s), in which an unprivileged process, like a " \
                      "user manager, could make the namespace" % os.strerror(ctypes.get_errno())
            else:
                for name, text in (("uid_map", "%d %d 1" % (uid, uid)), ("setgroups", "deny"),
                                   ("gid_map", "%d %d 1" % (gid, gid))):
                    with open("/proc/self/" + name, "w") as f:
                        f.write(text)
        if why is None and libc.unshare(flags) != 0:
            why = "unshare(): %s" % os.strerror(ctypes.get_errno())
        if why:
            for key in keys:
                self.skip(key, why)
            return
        if flags & CLONE_NEWNS:
            mount(None, "/", None, MS_REC | MS_SLAVE)
        for key in mount_keys:
            try:
                self.mounts(key, before["mnt"])
            except OSError as e:
                self.skip(key, str(e))
        if flags & CLONE_NEWNET:
            self.done("PrivateNetwork", "a network namespace of its own", "PrivateNetwork",
                      before["net"])
        if "IPAddressDeny" in keys:
            self.done("IPAddressDeny", "no address to reach in the network namespace of "
                      "PrivateNetwork")
            self.skip("IPAddressDeny", "its cgroup program needs a service manager")
        if flags & CLONE_NEWUTS:
            self.done("ProtectHostname", "a host-name namespace of its own")

    def mounts(self, key, mnt_before):
        value = self.last(key)
        if key == "ProtectSystem":
            paths = {"yes": ["/usr", "/boot", "/efi"], "true": ["/usr", "/boot", "/efi"],
                     "full": ["/usr", "/boot", "/efi", "/etc"], "strict": ["/"]}[value]
            paths = [p for p in paths if os.path.isdir(p)]
            for p in paths:
                make_read_only(p)
            self.done(key, "read-only " + " ".join(paths), key)
        elif key == "ProtectKernelTunables":
            paths = [p for p in ("/proc/sys", "/proc/sysrq-trigger", "/proc/irq", "/proc/bus",
                                 "/proc/fs", "/proc/acpi", "/sys") if os.path.exists(p)]
            for p in paths:
                make_read_only(p)
            self.done(key, "read-only " + " ".join(paths), key)
        elif key == "ProtectControlGroups":
            make_read_only("/sys/fs/cgroup")
            self.done(key, "read-only /sys/fs/cgroup", key)
        elif key == "ProtectKernelModules":
            paths = [p for p in ("/usr/lib/modules", "/lib/modules") if os.path.isdir(p)]
            for p in paths:
                hide_with_empty_folder(p)
            self.done(key, "hidden: " + " ".join(paths) if paths else "no module folder to hide")
        elif key == "ProtectKernelLogs":
            if os.path.exists("/proc/kmsg"):
                mount("/dev/null", "/proc/kmsg", None, MS_BIND)
                self.done(key, "/proc/kmsg empty")
            else:
                self.done(key, "no /proc/kmsg to hide")
        elif key == "PrivateDevices":
            private_dev()
            self.done(key, "/dev holds only %s" % " ".join(PRIVATE_DEVICE_NODES), key)
        elif key == "PrivateMounts":
            self.done(key, "a mount namespace of its own that receives mounts but sends none",
                      key, mnt_before)

    def process(self):
        for key, handler in (("UMask", self.umask), ("Nice", self.nice),
                             ("IOSchedulingClass", self.io_class),
                             ("KeyringMode", self.keyring)):
            if key in self.values:
                try:
                    handler(key, self.last(key))
                except OSError as e:
                    self.skip(key, str(e))

    def umask(self, key, value):
        os.umask(int(value, 8))
        self.done(key, "umask()", key, value)

    def nice(self, key, value):
        os.setpriority(os.PRIO_PROCESS, 0, int(value))
        self.done(key, "setpriority()", key, int(value))

    def io_class(self, key, value):
        level = int(self.last("IOSchedulingPriority") or (0 if value == "idle" else 4))
        prio = IO_CLASSES[value] << IOPRIO_CLASS_SHIFT | level
        call("ioprio_set", IOPRIO_WHO_PROCESS, 0, prio)
        self.done(key, "ioprio_set()", key, prio)

    def keyring(self, key, value):
        if value != "private":
            self.skip(key, "only private is applied here")
            return
        before = call("keyctl", KEYCTL_GET_KEYRING_ID, KEY_SPEC_SESSION_KEYRING, 0)
        call("keyctl", KEYCTL_JOIN_SESSION_KEYRING, None)
        self.done(key, "a new anonymous session key ring", key, before)

    # System-call filters, each its own as systemd loads them, SystemCallFilter= last: the
    # seccomp() call that loads the others is not in its sets.
    def seccomp_filters(self):
        for key, handler in (("MemoryDenyWriteExecute", self.mdwe),
                             ("RestrictRealtime", self.realtime),
                             ("RestrictSUIDSGID", self.suid_sgid),
                             ("RestrictNamespaces", self.namespace_calls),
                             ("ProtectKernelModules", self.module_calls),
                             ("ProtectKernelLogs", self.log_calls),
                             ("ProtectClock", self.clock), ("PrivateDevices", self.raw_io),
                             ("ProtectHostname", self.hostname),
                             ("SystemCallArchitectures", self.archs),
                             ("LockPersonality", self.personality),
                             ("RestrictAddressFamilies", self.families),
                             ("SystemCallFilter", self.calls)):
            if key in self.values:
                handler(key, self.last(key))

    def deny(self, key, names, how, check=None):
        self.filters.append(deny_calls(names))
        self.done(key, "seccomp: " + how, check)

    def mdwe(self, key, value):
        if not yes(value):
            return
        f = new_filter(seccomp.ALLOW)
        wx = PROT_WRITE | PROT_EXEC
        add_rule(f, seccomp.ERRNO(errno.EPERM), "mmap", seccomp.Arg(2, seccomp.MASKED_EQ, wx, wx))
        for name in ("mprotect", "pkey_mprotect"):
            add_rule(f, seccomp.ERRNO(errno.EPERM), name,
                     seccomp.Arg(2, seccomp.MASKED_EQ, PROT_EXEC, PROT_EXEC))
        add_rule(f, seccomp.ERRNO(errno.EPERM), "shmat",
                 seccomp.Arg(2, seccomp.MASKED_EQ, SHM_EXEC, SHM_EXEC))
        self.filters.append(f)
        self.done(key, "seccomp: no writable and executable mmap(), no PROT_EXEC by mprotect(), "
                  "as systemd 252 applies it", key)
        if libc.prctl(PR_SET_MDWE, PR_MDWE_REFUSE_EXEC_GAIN, 0, 0, 0) == 0:
            self.done(key, "prctl(PR_SET_MDWE), as systemd 255 and later apply it")
        else:
            self.skip(key, "prctl(PR_SET_MDWE): %s (a kernel before 6.3)"
                      % os.strerror(ctypes.get_errno()))

    def realtime(self, key, value):
        if not yes(value):
            return
        f = new_filter(seccomp.ALLOW)
        for arg in (seccomp.Arg(1, seccomp.EQ, SCHED_FIFO), seccomp.Arg(1, seccomp.EQ, SCHED_RR),
                    seccomp.Arg(1, seccomp.GT, SCHED_IDLE)):
            add_rule(f, seccomp.ERRNO(errno.EPERM), "sched_setscheduler", arg)
        self.filters.append(f)
        self.done(key, "seccomp: no real-time policy by sched_setscheduler()", key)

    def suid_sgid(self, key, value):
        if not yes(value):
            return
        f = new_filter(seccomp.ALLOW)
        for bit in (S_ISUID, S_ISGID):
            mode = lambda n: seccomp.Arg(n, seccomp.MASKED_EQ, bit, bit)
            for name, n in (("chmod", 1), ("fchmod", 1), ("fchmodat", 2), ("fchmodat2", 2),
                            ("creat", 1)):
                add_rule(f, seccomp.ERRNO(errno.EPERM), name, mode(n))
            for name, n in (("open", 1), ("openat", 2)):
                add_rule(f, seccomp.ERRNO(errno.EPERM), name,
                         seccomp.Arg(n, seccomp.MASKED_EQ, O_CREAT, O_CREAT), mode(n + 1))
        self.filters.append(f)
        self.done(key, "seccomp: no set-user-ID or set-group-ID mode by chmod() or creation", key)

    def namespace_calls(self, key, value):
        if not yes(value):
            self.skip(key, "only yes is applied here")
            return
        f = deny_calls({"unshare", "setns"})
        for flag in NAMESPACE_FLAGS:
            add_rule(f, seccomp.ERRNO(errno.EPERM), "clone",
                     seccomp.Arg(0, seccomp.MASKED_EQ, flag, flag))
        # clone3() passes its flags in memory that a filter cannot read: it fails with ENOSYS,
        # so that the C library falls back to clone().
        add_rule(f, seccomp.ERRNO(errno.ENOSYS), "clone3")
        self.filters.append(f)
        self.done(key, "seccomp: no unshare(), setns() or clone() into a new namespace", key)

    def module_calls(self, key, value):
        if yes(value):  # unobservable: an unprivileged process cannot load a module anyway
            self.deny(key, self.sets.expand("@module"), "@module refused")

    def log_calls(self, key, value):
        if yes(value):
            self.deny(key, {"syslog"}, "syslog() refused", key)

    def clock(self, key, value):
        if yes(value):
            self.deny(key, self.sets.expand("@clock"), "@clock refused", key)

    def raw_io(self, key, value):
        if yes(value):  # unobservable: iopl() and ioperm() need a capability anyway
            self.deny(key, self.sets.expand("@raw-io"), "@raw-io refused")

    def hostname(self, key, value):
        if yes(value):
            self.deny(key, {"sethostname", "setdomainname"},
                      "sethostname() and setdomainname() refused", key)

    def archs(self, key, value):
        if value != "native":
            self.skip(key, "only native is applied here")
            return
        f = new_filter(seccomp.ALLOW)
        f.set_attr(seccomp.Attr.ACT_BADARCH, seccomp.KILL_PROCESS)
        self.filters.append(f)
        self.done(key, "seccomp: a call through another architecture's entry kills the process")

    def personality(self, key, value):
        if not yes(value):
            return
        current = libc.personality(PERSONALITY_QUERY)
        f = new_filter(seccomp.ALLOW)
        add_rule(f, seccomp.ERRNO(errno.EPERM), "personality",
                 seccomp.Arg(0, seccomp.NE, current))
        self.filters.append(f)
        self.done(key, "seccomp: personality() only to %#x" % current, key)

    def families(self, key, value):
        words = value.lstrip("~").split()
        named = {getattr(socket, w) for w in words if w != "none"}
        allowed = set(range(AF_MAX)) - named if value.startswith("~") else named
        f = new_filter(seccomp.ALLOW)
        for family in range(AF_MAX):
            if family not in allowed:
                add_rule(f, seccomp.ERRNO(errno.EAFNOSUPPORT), "socket",
                         seccomp.Arg(0, seccomp.EQ, family))
        add_rule(f, seccomp.ERRNO(errno.EAFNOSUPPORT), "socket",
                 seccomp.Arg(0, seccomp.GE, AF_MAX))
        self.filters.append(f)
        self.done(key, "seccomp: socket() %s %s" % ("in all but" if value.startswith("~")
                                                    else "only in", " ".join(words)),
                  key if socket.AF_INET not in allowed else None)

    def calls(self, key, value):
        allow, names = syscall_filter_sets(self.values[key], self.sets)
        if allow is None:
            return
        code = self.last("SystemCallErrorNumber")
        refused = seccomp.ERRNO(getattr(errno, code)) if code else seccomp.KILL_PROCESS
        f = new_filter(refused if allow else seccomp.ALLOW)
        for name in sorted(names):
            add_rule(f, seccomp.ALLOW if allow else refused, name)
        self.filters.append(f)
        if code:
            self.done("SystemCallErrorNumber", "the refused calls fail with " + code)
        self.done(key, "seccomp: %s %d calls expanded by systemd-analyze"
                  % ("only" if allow else "all but", len(names)),
                  key if allow and code == "EPERM" else None, sorted(names))

    def apply(self):
        """Applies the unit to this process; what is left is to execute the command."""
        self.namespaces()
        self.process()
        self.seccomp_filters()
        nnp = self.wanted("NoNewPrivileges")
        if nnp or (self.filters and os.geteuid() != 0):
            if libc.prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0:
                fail_errno("prctl(PR_SET_NO_NEW_PRIVS)")
            self.done("NoNewPrivileges", "prctl(PR_SET_NO_NEW_PRIVS)" +
                      ("" if nnp else ", implied by the system-call filters, as systemd does"),
                      "NoNewPrivileges")
        for key in self.values:
            if key not in self.parts and key not in NOT_RESTRICTIONS | {"IOSchedulingPriority"} \
                    and self.wanted(key):
                self.skip(key, "no way to apply it by hand here")
        for f in self.filters:
            f.load()


# --------------------------------------------------------------------------- the probe

def refused(fn, *codes):
    """None when fn fails with one of codes; otherwise what happened."""
    try:
        fn()
    except OSError as e:
        return None if e.errno in codes else "failed with %s" % errno.errorcode.get(e.errno)
    return "was allowed"


def libc_call(name, *args):
    def run():
        if getattr(libc, name)(*args) == -1:
            e = ctypes.get_errno()
            raise OSError(e, os.strerror(e))
    return run


def in_child(fn):
    """Runs fn in a child, for a probe that would change this process if it were allowed."""
    pid = os.fork()
    if pid == 0:
        try:
            fn()
            os._exit(0)
        except OSError as e:
            os._exit(100 + e.errno)
    status = os.waitstatus_to_exitcode(os.waitpid(pid, 0)[1])
    if status >= 100:
        raise OSError(status - 100, os.strerror(status - 100))


def read_only(path):
    return None if os.statvfs(path).f_flag & os.ST_RDONLY else "%s is writable" % path


def own_namespace(ns, before):
    return None if os.readlink("/proc/self/ns/" + ns) != before else "shares the %s namespace" % ns


def map_wx():
    if libc.mmap(None, 4096, PROT_READ | PROT_WRITE | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS,
                 -1, 0) in (None, ctypes.c_void_p(-1).value):
        e = ctypes.get_errno()
        raise OSError(e, os.strerror(e))


def gain_exec():
    page = libc.mmap(None, 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
    try:
        libc_call("mprotect", ctypes.c_void_p(page), 4096, PROT_READ | PROT_EXEC)()
    finally:
        libc.munmap(ctypes.c_void_p(page), 4096)


def suid_file():
    with tempfile.NamedTemporaryFile() as f:
        os.chmod(f.name, 0o700)
        os.chmod(f.name, 0o4700)


def status_field(name):
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith(name + ":"):
                return line.split()[1]


def check(key, data):
    """None when the restriction of key holds in this process, otherwise what is wrong."""
    if key == "NoNewPrivileges":
        return None if status_field("NoNewPrivs") == "1" else "NoNewPrivs is not set"
    if key == "UMask":
        umask = status_field("Umask")
        return None if int(umask, 8) == int(data, 8) else "umask " + umask
    if key == "Nice":
        return None if os.getpriority(os.PRIO_PROCESS, 0) == data else "another nice value"
    if key == "IOSchedulingClass":
        return None if call("ioprio_get", IOPRIO_WHO_PROCESS, 0) == data else "another I/O class"
    if key == "KeyringMode":
        now = call("keyctl", KEYCTL_GET_KEYRING_ID, KEY_SPEC_SESSION_KEYRING, 0)
        return None if now != data else "the session key ring is shared"
    if key == "MemoryDenyWriteExecute":
        return refused(map_wx, errno.EPERM, errno.EACCES) or \
            refused(gain_exec, errno.EPERM, errno.EACCES)
    if key == "SystemCallFilter":
        # Calls an unprivileged process may make, and that the unit refuses, if it does.
        probes = {"setpriority": lambda: os.setpriority(os.PRIO_PROCESS, 0,
                                                        os.getpriority(os.PRIO_PROCESS, 0)),
                  "sched_setaffinity": lambda: os.sched_setaffinity(0, os.sched_getaffinity(0))}
        tried = [n for n in probes if n not in data]
        bad = ["%s %s" % (n, refused(probes[n], errno.EPERM)) for n in tried
               if refused(probes[n], errno.EPERM)]
        return "; ".join(bad) or (None if tried else "no refused call to try")
    if key == "RestrictAddressFamilies":
        socket.socket(socket.AF_UNIX, socket.SOCK_STREAM).close()
        return refused(lambda: socket.socket(socket.AF_INET, socket.SOCK_STREAM),
                       errno.EAFNOSUPPORT)
    if key == "RestrictNamespaces":
        return refused(lambda: in_child(libc_call("unshare", CLONE_NEWUSER)), errno.EPERM)
    if key == "RestrictRealtime":
        return refused(lambda: os.sched_setscheduler(0, os.SCHED_FIFO, os.sched_param(1)),
                       errno.EPERM)
    if key == "LockPersonality":
        return refused(lambda: in_child(libc_call("personality", PER_LINUX32)), errno.EPERM)
    if key == "RestrictSUIDSGID":
        return refused(suid_file, errno.EPERM)
    if key == "ProtectClock":
        return refused(libc_call("adjtimex", ctypes.create_string_buffer(512)), errno.EPERM)
    if key == "ProtectKernelLogs":
        return refused(libc_call("klogctl", 10, None, 0), errno.EPERM)
    if key == "ProtectHostname":
        name = socket.gethostname().encode()
        return refused(libc_call("sethostname", name, len(name)), errno.EPERM)
    if key == "ProtectSystem":
        return read_only("/usr") or (read_only("/etc") if os.path.isdir("/etc") else None)
    if key == "ProtectKernelTunables":
        return read_only("/proc/sys") or read_only("/sys")
    if key == "ProtectControlGroups":
        return read_only("/sys/fs/cgroup")
    if key == "PrivateDevices":
        extra = set(os.listdir("/dev")) - set(PRIVATE_DEVICE_NODES) - set(PRIVATE_DEVICE_LINKS) \
            - {"pts", "shm"}
        with open("/dev/null", "w") as f:
            f.write("x")
        return "/dev also holds " + " ".join(sorted(extra)) if extra else None
    if key == "PrivateMounts":
        return own_namespace("mnt", data)
    if key in ("PrivateNetwork", "IPAddressDeny"):
        with open("/proc/self/net/dev") as f:
            links = [line.split(":")[0].strip() for line in f.readlines()[2:]]
        return own_namespace("net", data) or (None if links == ["lo"] else "links: %s" % links)
    raise AssertionError(key)


def run_checks(expected):
    failures = 0
    for key, data in expected.items():
        try:
            wrong = check(key, data)
        except OSError as e:
            wrong = str(e)
        print("%-8s %s%s" % ("holds" if wrong is None else "BROKEN", key,
                             "" if wrong is None else ": " + wrong))
        failures += wrong is not None
    return 1 if failures else 0


def main(argv):
    report = None
    if argv[:1] == ["--report"]:
        report, argv = argv[1], argv[2:]
    if argv[:1] == ["--check"]:
        return run_checks(json.loads(argv[1]))
    probe = argv[:1] == ["--probe"]
    if probe:
        argv = argv[1:]
    if len(argv) < (1 if probe else 2):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    sandbox = Sandbox(read_unit(argv[0]))
    out = open(report, "w") if report else sys.stderr
    sandbox.apply()
    print("\n".join(sandbox.report()), file=out, flush=True)
    command = [sys.executable, os.path.abspath(__file__), "--check",
               json.dumps(sandbox.checks)] if probe else argv[1:]
    os.execvp(command[0], command)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
