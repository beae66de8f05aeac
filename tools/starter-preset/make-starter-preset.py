#!/usr/bin/env python3
"""Writes resources/StarterPreset.corvane, the state a fresh instance applies at construction.

The parameter list comes from the renderer (`corvane-render --list-parameters`, tab-separated:
index, id, name, default, text, kind); every identifier but "Mix" is written with its default value,
unless StarterPreset.txt beside this script names another normalised value for it. Overrides for
identifiers the list does not contain are reported and skipped, so the script works on any list.

Regenerate after the parameter list changed (for example after merging new effects or modulators):

    cmake --build build -j2 --target corvane-render
    python3 tools/starter-preset/make-starter-preset.py --render build/tools/corvane-render/corvane-render

then rebuild (the preset is embedded) and commit resources/StarterPreset.corvane.
A saved listing can be used instead of the renderer: --list FILE.

The factory presets in presets/ come from the descriptions in factory/ beside this script, the same way:

    for d in tools/starter-preset/factory/*.txt; do
        python3 tools/starter-preset/make-starter-preset.py --render build/tools/corvane-render/corvane-render \
            --description "$d" --output "presets/$(basename "$d" .txt).corvane"
    done
"""

import argparse
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
EXCLUDED = {"Mix"}


def read_listing(text):
    lines = text.splitlines()
    if not lines or lines[0].split("\t")[:2] != ["index", "id"]:
        sys.exit("not a parameter listing: the first line must be the header index<TAB>id<TAB>...")
    defaults = {}
    for line in lines[1:]:
        columns = line.split("\t")
        if len(columns) < 4:
            continue
        defaults[columns[1]] = float(columns[3])
    return defaults


def read_description(path):
    overrides = {}
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            identifier, sep, value = (part.strip() for part in line.partition("="))
            if not sep or not identifier:
                sys.exit("%s:%d: expected 'identifier = value'" % (path, number))
            number_value = float(value)
            if not 0.0 <= number_value <= 1.0:
                sys.exit("%s:%d: %s is not a normalised value" % (path, number, value))
            overrides[identifier] = number_value
    return overrides


def format_value(value):
    # Six significant digits, as the processor writes a double to a standard stream.
    return "%g" % value


def main():
    parser = argparse.ArgumentParser(description="Generate the starter preset.")
    source = parser.add_mutually_exclusive_group(required=True)
    source.add_argument("--render", help="path of the corvane-render executable")
    source.add_argument("--list", help="a saved --list-parameters output")
    parser.add_argument("--description", default=os.path.join(HERE, "StarterPreset.txt"))
    parser.add_argument("--output", default=os.path.join(ROOT, "resources", "StarterPreset.corvane"))
    args = parser.parse_args()

    if args.render:
        listing = subprocess.run([args.render, "--list-parameters"], check=True, capture_output=True,
                                 text=True).stdout
    else:
        with open(args.list, encoding="utf-8") as handle:
            listing = handle.read()

    defaults = read_listing(listing)
    overrides = read_description(args.description)
    for identifier in sorted(set(overrides) - set(defaults)):
        print("skipped, not in the parameter list: " + identifier, file=sys.stderr)

    values = {identifier: overrides.get(identifier, default)
              for identifier, default in defaults.items() if identifier not in EXCLUDED}
    # Python orders strings by code point, which is the registry's order.
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "", "<state>"]
    lines += ['  <param id="%s" val="%s"/>' % (identifier, format_value(values[identifier]))
              for identifier in sorted(values)]
    lines.append("</state>")
    with open(args.output, "w", encoding="utf-8", newline="\n") as handle:
        handle.write("\n".join(lines) + "\n")
    print("%s: %d parameters" % (args.output, len(values)), file=sys.stderr)


if __name__ == "__main__":
    main()
