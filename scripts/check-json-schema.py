#!/usr/bin/python3
"""Validates every result document the tests wrote against the result schema (draft 2020-12).

    check-json-schema.py SCHEMA DIR...

Prints one line per document and each fault in it; fails when a document does not validate or
is not JSON, and when the folders hold no document at all (a producer that wrote nothing must
not pass for one whose documents are all valid).
"""
import json
import pathlib
import sys

import jsonschema


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    schema = json.loads(pathlib.Path(argv[1]).read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    documents = sorted(p for folder in argv[2:] for p in pathlib.Path(folder).glob("*.json"))
    failed = 0
    for path in documents:
        raw = path.read_bytes()
        try:
            if raw.startswith(b"\xef\xbb\xbf"):
                raise ValueError("starts with a byte-order mark")
            document = json.loads(raw.decode("utf-8"))
        except ValueError as error:
            print(f"{path.name}: not a UTF-8 JSON document: {error}")
            failed += 1
            continue
        errors = sorted(validator.iter_errors(document), key=lambda e: list(e.absolute_path))
        print(f"{path.name}: {'valid' if not errors else 'INVALID'}")
        for error in errors:
            where = "/".join(str(p) for p in error.absolute_path) or "(document)"
            print(f"  {where}: {error.message}")
        failed += bool(errors)
    if not documents:
        print("no result documents found in " + ", ".join(argv[2:]))
        return 1
    print(f"{len(documents)} documents, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
