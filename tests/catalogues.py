#!/usr/bin/env python3
"""Checks Tandrel's catalogues in translations/: every message translated, with the source's
%1..%9 and %n and its one '&'; no two controls of one page or one dialog sharing a mnemonic in
any language; and the catalogues up to date with the sources (scripts/lupdate changes nothing).

    catalogues.py TOP
"""
import filecmp, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

top = sys.argv[1]
folder = os.path.join(top, "translations")
faults = []
PLURAL_FORMS = {"pl": 3}  # the others have two


def markers(text):
    return sorted(re.findall(r"%L?([1-9]|n)", text))


def mnemonic(text):
    """The key after the single '&', or None; and how many single '&' the text has."""
    keys = re.findall(r"&(.)", text.replace("&&", ""))
    return (keys[0].lower() if len(keys) == 1 else None), len(keys)


def groups():
    """Texts that share a page or a dialog: each page of the main window's form, each other
    form, and every other context (a dialog built in code) as a whole."""
    found = []
    for form in ("widget.ui", "dialogdeviceinfo.ui"):
        root = ET.parse(os.path.join(top, "forms", form)).getroot()
        stacks = [w for w in root.iter("widget") if w.get("class") == "QStackedWidget"]
        pages = [p for s in stacks for p in s.findall("widget")] or [root]
        for page in pages:
            # Texts kept as they are ("&<") answer their key too.
            found.append((form, {s.text for s in page.iter("string") if s.text and "&" in s.text}))
    return found


catalogues = sorted(n for n in os.listdir(folder) if n.startswith("tandrel_") and n.endswith(".ts"))
if len(catalogues) < 7:
    faults.append(f"only {len(catalogues)} catalogues in {folder}")
form_texts = set().union(*(texts for _, texts in groups()))
for name in catalogues:
    root = ET.parse(os.path.join(folder, name)).getroot()
    language = root.get("language").split("_")[0]
    shown = {}  # source -> translation, per context
    for context in root.iter("context"):
        context_name = context.find("name").text
        for message in context.iter("message"):
            source = message.find("source").text or ""
            translation = message.find("translation")
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "obsolete", "vanished"):
                faults.append(f"{where}: {translation.get('type')}")
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.findall("numerusform")]
                if len(forms) != PLURAL_FORMS.get(language, 2) or not all(forms):
                    faults.append(f"{where}: {len(forms)} plural forms")
            else:
                forms = [translation.text or ""]
                if not forms[0]:
                    faults.append(f"{where}: empty")
            for form in forms:
                if markers(form) != markers(source):
                    faults.append(f"{where}: {markers(form)} in {form!r}, not {markers(source)}")
                if mnemonic(form)[1] != (1 if mnemonic(source)[1] == 1 else 0):
                    faults.append(f"{where}: {mnemonic(form)[1]} '&' in {form!r}")
            shown.setdefault(context_name, {})[source] = forms[0]
    # No two controls of a page or a dialog answer the same Alt key.
    page_groups = [(f"{form} page", texts) for form, texts in groups()]
    code_groups = [(context, {s for s in texts if "&" in s and s not in form_texts})
                   for context, texts in shown.items()]
    for group, texts in page_groups + code_groups:
        keys = {}
        for source in texts:
            text = next((c[source] for c in shown.values() if source in c), source)
            key = mnemonic(text)[0]
            if key and key in keys:
                faults.append(f"{name}: {text!r} and {keys[key]!r} share Alt+{key} in {group}")
            keys[key] = text

# Up to date: lupdate into a copy changes nothing.
with tempfile.TemporaryDirectory() as copy:
    for name in catalogues:
        shutil.copy(os.path.join(folder, name), copy)
    subprocess.run([os.path.join(top, "scripts", "lupdate"), copy], check=True)
    for name in sorted(os.listdir(copy)):
        if name not in catalogues or not filecmp.cmp(os.path.join(folder, name), os.path.join(copy, name), shallow=False):
            faults.append(f"{name}: not up to date with the sources: run scripts/lupdate")

for fault in faults:
    print("FAIL: " + fault)
print(f"{len(catalogues)} catalogues, {len(faults)} faults")
sys.exit(1 if faults else 0)
