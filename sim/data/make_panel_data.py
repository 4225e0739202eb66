#!/usr/bin/env python3
"""Writes the front-panel data files: a standalone switch of each model (standalone-<model>.txt) and a
stack of twelve units mixing the models (stack12.txt). Run it from anywhere; it writes beside itself."""

import os

E = "1.3.6.1.4.1.32473"

# model: (ports with LED entries, system LEDs, first combo port, main medium, probed medium)
MODELS = {
    "TRV-5124": (26, 3, 21, 1, 2),
    "TRV-5124F": (26, 3, 21, 2, 1),
    "TRV-5124E": (26, 5, 21, 1, 2),
    "TRV-5125": (27, 3, 21, 1, 2),
    "TRV-5148": (50, 3, 45, 1, 2),
    "TRV-5212": (12, 3, 9, 1, 2),
    "TRV-5212F": (12, 3, 9, 2, 2),
    "TRV-5224": (27, 3, 21, 1, 2),
    "TRV-5224F": (27, 3, 21, 2, 2),
    "TRV-5248": (50, 3, 45, 1, 2),
}

STACK12 = ["TRV-5124", "TRV-5248", "TRV-5212", "TRV-5224F", "TRV-5125", "TRV-5148",
           "TRV-5124E", "TRV-5212F", "TRV-5224", "TRV-5124F", "TRV-5124", "TRV-5248"]


def port_entry(port, phase):
    """State and colour byte of a port in poll phase 0, 1 or 2: links that come and go, traffic that
    blinks, some 100M ports (orange), some ports without link."""
    if port % 7 == 0:
        return [0x01, 0x01]
    if port % 5 == 0:
        return [0x01, 0x01] if phase == 1 else [0x02, 0x03]
    if port % 3 == 0:
        return [0x02, 0x01] if phase == 1 else [0x82, 0x01]
    return [0x82, 0x03] if (port + phase) % 2 == 0 else [0x02, 0x03]


# Ports whose entry differs on one model, in every poll phase. The TRV-5124E's PoE set shows colour 0
# (a powered device) orange and colour 5 (a power fault) red; its normal set shows them black and red.
MODEL_ENTRIES = {
    "TRV-5124E": {4: [0x02, 0x00], 8: [0x02, 0x05], 16: [0x02, 0x00]},
}


def led_string(model, phase):
    ports, system, _, _, _ = MODELS[model]
    # Power lime, console lime blinking every other poll, RPS absent (code 0: a zero octet).
    octets = [0x03, 0x82 if phase % 2 == 0 else 0x02, 0x00]
    if system == 5:
        octets += [0x02, 0x04]  # link lime, PoE blue
    for port in range(1, ports + 1):
        entry = MODEL_ENTRIES.get(model, {}).get(port, port_entry(port, phase))
        if model == "TRV-5124F" and port == 11 and phase != 1:
            # The speed pictures are read from the first poll: "82 02" is the one code left to show there.
            entry = [0x82, 0x02]
        octets += entry
    return octets


def poe_led_mode(mode):
    """The TRV-5124E's PoE LED mode, an object of this program's own choosing: 2 disabled, 3 enabled."""
    return ["# PoE LED mode (the program's assumption, no published object): 2 disabled, 3 enabled",
            "%s.11.70.1.2.1.1.7.0 rw INTEGER %d" % (E, mode), ""]


def hex_value(octets):
    return "0x" + "".join("%02x" % o for o in octets)


def led_values(model):
    return " | ".join(hex_value(led_string(model, phase)) for phase in range(3))


def unit_rows(unit, model, mode, exists=True):
    ports = MODELS[model][0]
    base = (unit - 1) * 64
    t = E + ".12.11.1.9.4.1"
    rows = [
        "# unit %d: %s" % (unit, model),
        "%s.1.%d INTEGER %d" % (t, unit, unit),
        "%s.2.%d STRING 0x001b2c5100%02x" % (t, unit, unit),
        "%s.3.%d INTEGER %d" % (t, unit, base + 1),
        "%s.4.%d INTEGER %d" % (t, unit, ports),
        "%s.5.%d STRING %s" % (t, unit, led_values(model)),
        "%s.7.%d INTEGER %d" % (t, unit, mode),
        '%s.8.%d STRING "2.10"' % (t, unit),
        '%s.9.%d STRING "%s"' % (t, unit, model),
        '%s.10.%d STRING "1.02"' % (t, unit),
        '%s.11.%d STRING "2.10.014"' % (t, unit),
        '%s.12.%d STRING "A3"' % (t, unit),
        "%s.13.%d INTEGER %d" % (t, unit, 32 - unit),
        "%s.14.%d INTEGER 2" % (t, unit),
        "%s.15.%d INTEGER %d" % (t, unit, 1 if exists else 2),
        "%s.16.%d INTEGER %d" % (t, unit, unit),
    ]
    return rows


def port_rows(unit, model):
    """The port table (index port.medium) for one unit: unit ID, type, link status, nway, error reason.
    Combo ports have both media; the second combo port has link on its probed medium."""
    ports, _, combo, main_medium, probed = MODELS[model]
    base = (unit - 1) * 64
    rows = []
    for port in range(1, ports + 1):
        if combo <= port < combo + 4:
            media = [1, 2]
        elif port > combo + 3:
            media = [1]  # uplinks
        else:
            media = [main_medium]
        for medium in media:
            if combo <= port < combo + 4:
                link = 2 if (port == combo + 1 and medium == probed) else 3
            else:
                link = 3 if port % 7 == 0 else 2
            inst = "%d.%d" % (base + port, medium)
            t = E + ".11.70.1.2.3.1.1"
            rows += ["%s.3.%s INTEGER %d" % (t, inst, unit),
                     "%s.4.%s INTEGER %d" % (t, inst, 2 if medium == 1 else 6),
                     "%s.5.%s INTEGER %d" % (t, inst, link),
                     "%s.6.%s INTEGER %d" % (t, inst, 1 if link == 3 else 6),
                     "%s.7.%s INTEGER 1" % (t, inst)]
    return rows


UNIT_TABLE = [
    "@table %s.12.11.1.9.4.1 index=integer" % E,
    "@column 1 ro INTEGER", "@column 2 ro STRING", "@column 3 ro INTEGER", "@column 4 ro INTEGER",
    "@column 5 ro STRING", "@column 7 ro INTEGER", "@column 8 ro STRING", "@column 9 ro STRING",
    "@column 10 ro STRING", "@column 11 ro STRING", "@column 12 ro STRING", "@column 13 rw INTEGER",
    "@column 14 ro INTEGER", "@column 15 ro INTEGER", "@column 16 rw INTEGER",
]

PORT_TABLE = [
    "@table %s.11.70.1.2.3.1.1 index=integer,integer" % E,
    "@column 3 ro INTEGER", "@column 4 ro INTEGER", "@column 5 ro INTEGER", "@column 6 ro INTEGER",
    "@column 7 ro INTEGER",
]


def states(stack_mode, units):
    return [
        "# States the main window reads",
        "%s.11.70.1.2.1.2.4.0 rw INTEGER 3        # RMON State: 2 disabled, 3 enabled" % E,
        "%s.12.15.1.2.0 rw INTEGER 1              # STP Version: 0 stp, 1 rstp, 2 mstp" % E,
        "1.0.8802.1.1.1.1.1.1.0 rw INTEGER 2       # 802.1X Global State: 1 enabled, 2 disabled",
        '%s.12.11.1.1.0 STRING "%d units"' % (E, units),
        "%s.12.11.1.2.0 rw INTEGER %d        # Mode: 1 enabled, 2 disabled, 3 other" % (E, stack_mode),
    ]


def write(name, lines):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    header = "# Written by make_panel_data.py; the front-panel objects only. Format: see sim/DataFile.h."
    for model in MODELS:
        lines = ["# A standalone %s." % model, header, ""]
        lines += states(2, 1) + [""]
        lines += ["# Front panel LED string; it changes between polls",
                  "%s.11.70.1.2.1.1.6.0 STRING %s" % (E, led_values(model)), ""]
        if model == "TRV-5124E":
            lines += poe_led_mode(2)
        lines += UNIT_TABLE + unit_rows(1, model, 3) + [""]
        lines += PORT_TABLE + port_rows(1, model)
        write("standalone-%s.txt" % model, lines)

    lines = ["# A stack of twelve units mixing every model; the LED strings hold zero octets.", header, ""]
    lines += states(1, 12) + [""]
    lines += ["%s.11.70.1.2.1.1.6.0 STRING %s" % (E, led_values(STACK12[0])), ""]
    lines += poe_led_mode(3)
    lines += UNIT_TABLE
    for unit, model in enumerate(STACK12, start=1):
        lines += unit_rows(unit, model, 4 if unit == 1 else 5)
    lines += [""] + PORT_TABLE
    for unit, model in enumerate(STACK12, start=1):
        lines += port_rows(unit, model)
    write("stack12.txt", lines)


if __name__ == "__main__":
    main()
