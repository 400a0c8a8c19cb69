#!/usr/bin/env python3
"""Checks the image recipe and the Agones manifests in dist/agones without a cluster.

Each manifest is parsed with python3-yaml and held to what the game server needs and to
the rules Agones itself applies when the object is created: field names and types, the
game port (TCP 7772, Dynamic), the health check (every 5 s, 3 failures), resources within
their limits, a non-root user, and an autoscaler and an allocation that name the fleet.
With HOST_PROGRAM (the built quillor-host), the arguments a container runs the host with
(the image's entry point and the manifest's `args`) are handed to it with "--help" added,
which reads them all before it prints the usage: a refused one fails the check.
Prints every fault found and exits 1, or prints "manifests: ok".

Usage: check_manifests.py DIST_AGONES_FOLDER [HOST_PROGRAM]
"""
import json
import os
import re
import subprocess
import sys

import yaml

faults = []


def check(condition, what):
    if not condition:
        faults.append(what)
    return condition


def load(folder, name):
    with open(os.path.join(folder, name)) as f:
        documents = [d for d in yaml.safe_load_all(f) if d is not None]
    check(len(documents) == 1, f"{name}: {len(documents)} documents, expected one")
    return documents[0] if documents else {}


def get(node, path, what):
    """node["a"]["b"][0]... for path "a.b.0"; records a fault and gives None when absent."""
    for key in path.split("."):
        if isinstance(node, list) and key.isdigit() and int(key) < len(node):
            node = node[int(key)]
        elif isinstance(node, dict) and key in node:
            node = node[key]
        else:
            faults.append(f"{what}: no {path}")
            return None
    return node


UNITS = {"": 1, "k": 1e3, "M": 1e6, "G": 1e9, "Ki": 1024, "Mi": 1024 ** 2, "Gi": 1024 ** 3, "m": 1e-3}


def quantity(text, what):
    """A Kubernetes resource quantity ("30m", "32Mi", "0.5") as a number."""
    m = re.fullmatch(r"([0-9]+(?:\.[0-9]+)?)(Ki|Mi|Gi|k|M|G|m|)", str(text))
    if not check(m is not None, f"{what}: {text!r} is no resource quantity"):
        return 0
    return float(m.group(1)) * UNITS[m.group(2)]


def check_game_server(server, what):
    """A GameServer's description, alone or in a fleet's template."""
    ports = get(server, "ports", what) or []
    check(len(ports) == 1, f"{what}: {len(ports)} ports, expected the game port alone")
    for port in ports:
        check(port.get("containerPort") == 7772, f"{what}: containerPort {port.get('containerPort')}, expected 7772")
        check(port.get("protocol") == "TCP", f"{what}: protocol {port.get('protocol')}, expected TCP")
        check(port.get("portPolicy") == "Dynamic", f"{what}: portPolicy {port.get('portPolicy')}, expected Dynamic")
        check("hostPort" not in port, f"{what}: a Dynamic port takes no hostPort")
    health = get(server, "health", what) or {}
    check(health.get("disabled", False) is False, f"{what}: health checking is disabled")
    check(health.get("periodSeconds") == 5, f"{what}: health periodSeconds {health.get('periodSeconds')}, expected 5")
    check(health.get("failureThreshold") == 3,
          f"{what}: health failureThreshold {health.get('failureThreshold')}, expected 3")

    containers = get(server, "template.spec.containers", what) or []
    names = [c.get("name") for c in containers]
    check(server.get("container") in names, f"{what}: the container {server.get('container')!r} is none of {names}")
    for c in containers:
        if c.get("name") != server.get("container"):
            continue
        where = f"{what}: container {c.get('name')}"
        check("--agones-one-session" in (c.get("args") or []), f"{where}: no --agones-one-session")
        requests = get(c, "resources.requests", where) or {}
        limits = c.get("resources", {}).get("limits", {})
        cpu = quantity(requests.get("cpu"), f"{where}: requests.cpu")
        memory = quantity(requests.get("memory"), f"{where}: requests.memory")
        check(cpu > 0 and memory > 0, f"{where}: cpu and memory must both be requested")
        # Nine busy connections beside an SDK server: at most 15 MiB resident, and 6.6 % of a
        # core when every client sends as fast as the host answers.
        check(memory >= 15 * 1024 ** 2, f"{where}: requests.memory below the 15 MiB measured")
        check(cpu >= 0.066, f"{where}: requests.cpu below the 6.6 % of a core measured flat out")
        if "memory" in limits:
            check(quantity(limits["memory"], f"{where}: limits.memory") >= memory,
                  f"{where}: limits.memory below requests.memory")
        security = c.get("securityContext", {})
        check(security.get("runAsNonRoot") is True, f"{where}: runAsNonRoot is not set")
        check(security.get("runAsUser", 0) != 0, f"{where}: runs as root")
        check(security.get("allowPrivilegeEscalation") is False, f"{where}: privilege escalation allowed")


def packaged_bindir(folder):
    rules = os.path.join(folder, "..", "..", "debian", "rules")
    with open(rules) as f:
        found = re.search(r"-DCMAKE_INSTALL_BINDIR=(\S+)", f.read())
    return found.group(1) if found else "bin"


def check_containerfile(folder):
    with open(os.path.join(folder, "Containerfile")) as f:
        lines = [l.strip() for l in f.read().replace("\\\n", " ").splitlines() if l.strip() and not l.startswith("#")]
    instructions = [(l.split(None, 1)[0].upper(), l.split(None, 1)[1] if " " in l else "") for l in lines]
    froms = [arg for op, arg in instructions if op == "FROM"]
    check(froms == ["debian:bookworm-slim"], f"Containerfile: FROM {froms}, expected debian:bookworm-slim")
    runs = " ".join(arg for op, arg in instructions if op == "RUN")
    check(re.search(r"apt-get install\b[^&]*quillor_\*\.deb", runs) is not None,
          "Containerfile: the package is not installed with apt-get")
    users = [arg for op, arg in instructions if op == "USER"]
    check(len(users) == 1 and users[0].split(":")[0] not in ("root", "0"),
          f"Containerfile: USER {users}, expected one user other than root")
    check(users and users[0].split(":")[0].isdigit(), "Containerfile: the user must be numeric for runAsNonRoot")
    check(("EXPOSE", "7772/tcp") in instructions, "Containerfile: no EXPOSE 7772/tcp")
    entry = [arg for op, arg in instructions if op in ("ENTRYPOINT", "CMD")]
    # The package puts its programs where debian/rules tells CMake to (/usr/games).
    host = f"/usr/{packaged_bindir(folder)}/quillor-host"
    check(any(re.fullmatch(r'\["' + re.escape(host) + r'", "--port", "7772"\]', e) for e in entry),
          f"Containerfile: the entry point is not {host} --port 7772: {entry}")
    entrypoint = json.loads(entry[-1]) if entry else []
    return (users[0].split(":")[0] if users else None), entrypoint


def check_host_takes(host, entrypoint, server, what):
    """The host program accepts the arguments the container runs it with."""
    for c in server.get("template", {}).get("spec", {}).get("containers", []):
        if c.get("name") != server.get("container"):
            continue
        arguments = entrypoint[1:] + [str(a) for a in c.get("args") or []]
        run = subprocess.run([host] + arguments + ["--help"], capture_output=True, text=True,
                             env={"PATH": os.environ.get("PATH", "/usr/bin")}, timeout=30)
        why = (run.stderr.strip().splitlines() or [f"exit status {run.returncode}"])[0]
        check(run.returncode == 0, f"{what}: quillor-host refuses {' '.join(arguments)}: {why}")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    folder = sys.argv[1]
    image_user, entrypoint = check_containerfile(folder)

    gs = load(folder, "gameserver.yaml")
    check(gs.get("apiVersion") == "agones.dev/v1" and gs.get("kind") == "GameServer",
          "gameserver.yaml: not an agones.dev/v1 GameServer")
    check_game_server(gs.get("spec", {}), "gameserver.yaml")

    fleet = load(folder, "fleet.yaml")
    check(fleet.get("apiVersion") == "agones.dev/v1" and fleet.get("kind") == "Fleet",
          "fleet.yaml: not an agones.dev/v1 Fleet")
    fleet_name = get(fleet, "metadata.name", "fleet.yaml")
    fleet_server = get(fleet, "spec.template.spec", "fleet.yaml") or {}
    check_game_server(fleet_server, "fleet.yaml")
    # One game server, two manifests: they must not drift apart.
    check(fleet_server == gs.get("spec"), "fleet.yaml: its game server differs from gameserver.yaml")
    for what, server in (("gameserver.yaml", gs.get("spec", {})), ("fleet.yaml", fleet_server)):
        if len(sys.argv) == 3:
            check_host_takes(sys.argv[2], entrypoint, server, what)
        for c in server.get("template", {}).get("spec", {}).get("containers", []):
            check(str(c.get("securityContext", {}).get("runAsUser")) == image_user,
                  f"{what}: runAsUser is not the image's user {image_user}")

    fas = load(folder, "fleetautoscaler.yaml")
    check(fas.get("apiVersion") == "autoscaling.agones.dev/v1" and fas.get("kind") == "FleetAutoscaler",
          "fleetautoscaler.yaml: not an autoscaling.agones.dev/v1 FleetAutoscaler")
    check(get(fas, "spec.fleetName", "fleetautoscaler.yaml") == fleet_name,
          "fleetautoscaler.yaml: fleetName is not the fleet's name")
    check(get(fas, "spec.policy.type", "fleetautoscaler.yaml") == "Buffer", "fleetautoscaler.yaml: not a Buffer policy")
    buffer = get(fas, "spec.policy.buffer", "fleetautoscaler.yaml") or {}
    size, low, high = buffer.get("bufferSize"), buffer.get("minReplicas", 0), buffer.get("maxReplicas")
    if check(isinstance(size, int) and isinstance(low, int) and isinstance(high, int),
             "fleetautoscaler.yaml: bufferSize, minReplicas and maxReplicas must be whole numbers"):
        check(size > 0, "fleetautoscaler.yaml: bufferSize must be above 0")
        check(low <= high, "fleetautoscaler.yaml: minReplicas above maxReplicas")
        check(high >= size, "fleetautoscaler.yaml: maxReplicas below bufferSize")
        check(low == 0 or low >= size, "fleetautoscaler.yaml: minReplicas below bufferSize")

    gsa = load(folder, "gameserverallocation.yaml")
    check(gsa.get("apiVersion") == "allocation.agones.dev/v1" and gsa.get("kind") == "GameServerAllocation",
          "gameserverallocation.yaml: not an allocation.agones.dev/v1 GameServerAllocation")
    selectors = get(gsa, "spec.selectors", "gameserverallocation.yaml") or []
    check(any(s.get("matchLabels", {}).get("agones.dev/fleet") == fleet_name for s in selectors),
          "gameserverallocation.yaml: no selector for the fleet's servers")

    for fault in faults:
        print(f"manifests: {fault}")
    if faults:
        sys.exit(1)
    print("manifests: ok")


if __name__ == "__main__":
    main()
