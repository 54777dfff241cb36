#!/usr/bin/env python3
"""Makes the fidelity corpus: real-world RTF written by LibreOffice, and RTF in the shape other
writers give it (code pages, double-byte text), each with LibreOffice's own text conversion.

    make_corpus.py OUTDIR

Needs Debian's libreoffice-writer-nogui (a development tool only, never needed by the program or its
tests). Writes OUTDIR/source (what LibreOffice is given), OUTDIR/rtf (the corpus) and OUTDIR/txt
(LibreOffice's reading of each corpus file as UTF-8 text) and OUTDIR/source-txt (the text each
file was written from: LibreOffice's reading of the sources it exported, and the text of the
code-page documents)."""

import base64
import os
import random
import struct
import subprocess
import sys
import zlib
from xml.sax.saxutils import escape

# Sample sentences, invented for this corpus.
TEXTS = {
    "en": ["Breathe in slowly and let the shoulders fall away from the ears.",
           "The morning class meets at seven; bring a mat and a blanket.",
           "Hold the pose for five breaths, then release it gently."],
    "fr": ["Respirez lentement et laissez les épaules s'éloigner des oreilles.",
           "Le cours du matin commence à sept heures ; apportez un tapis."],
    "de": ["Atme langsam ein und lass die Schultern sinken – ganz ohne Eile.",
           "Übung für Anfänger: fünf Atemzüge halten, dann lösen."],
    "es": ["Respira despacio y deja caer los hombros, señora Núñez.",
           "¿Dónde está la clase? ¡En la sala pequeña!"],
    "pl": ["Oddychaj powoli i pozwól ramionom opaść. Zażółć gęślą jaźń.",
           "Ćwiczenie poranne trwa dwadzieścia minut."],
    "cs": ["Dýchejte pomalu a nechte ramena klesnout. Příliš žluťoučký kůň.",
           "Ranní lekce začíná v sedm hodin."],
    "tr": ["Yavaşça nefes alın ve omuzlarınızı gevşetin. Işık, ağaç, çiçek.",
           "Sabah dersi yedide başlıyor."],
    "el": ["Αναπνεύστε αργά και αφήστε τους ώμους να χαλαρώσουν.",
           "Το πρωινό μάθημα αρχίζει στις επτά."],
    "ru": ["Дышите медленно и позвольте плечам опуститься.",
           "Утреннее занятие начинается в семь часов, съешьте же ещё этих мягких булок."],
    "uk": ["Дихайте повільно, і нехай плечі опустяться. Ґанок, їжак, єнот."],
    "he": ["נשמו לאט ותנו לכתפיים לרדת.", "השיעור של הבוקר מתחיל בשבע."],
    "ar": ["تنفس ببطء ودع كتفيك ترتخيان.", "يبدأ درس الصباح في الساعة السابعة."],
    "zh": ["慢慢地呼吸，让肩膀放松下来。", "早上的课七点开始，请带上垫子。"],
    "zht": ["慢慢地呼吸，讓肩膀放鬆下來。", "早上的課七點開始，請帶上墊子。"],
    "ja": ["ゆっくりと息を吸い、肩の力を抜きましょう。", "朝のクラスは七時に始まります。"],
    "ko": ["천천히 숨을 쉬고 어깨의 힘을 빼세요.", "아침 수업은 일곱 시에 시작합니다."],
    "vi": ["Hãy thở chậm và thả lỏng đôi vai.", "Lớp buổi sáng bắt đầu lúc bảy giờ."],
    "th": ["หายใจเข้าช้าๆ และปล่อยไหล่ให้ผ่อนคลาย", "ชั้นเรียนตอนเช้าเริ่มเจ็ดโมง"],
    "lt": ["Kvėpuokite lėtai ir atpalaiduokite pečius. Ąžuolas, žąsis."],
    "symbols": ["Quotes “double” and ‘single’, dashes – and —, ellipsis…, © ® ™ € £ ¥ ± × ÷ ≤ ≥ ∞ √ ∑ π Ω µ",
                "Emoji and beyond the basic plane: 🧘 🌿 𝄞 and combining e\u0301 a\u0308."],
}
RTL = {"he", "ar"}

NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
      'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
      'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
      'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
      'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
      'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
      'xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:dc="http://purl.org/dc/elements/1.1/" '
      'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
      'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"')

STYLES = """<office:automatic-styles>
<style:style style:name="B" style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>
<style:style style:name="I" style:family="text"><style:text-properties fo:font-style="italic"/></style:style>
<style:style style:name="U" style:family="text"><style:text-properties style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color"/></style:style>
<style:style style:name="C" style:family="text"><style:text-properties fo:color="#c00000" fo:font-size="14pt" style:font-name="Liberation Mono"/></style:style>
<style:style style:name="RTL" style:family="paragraph"><style:paragraph-properties style:writing-mode="rl-tb" fo:text-align="end"/></style:style>
<style:style style:name="CENTER" style:family="paragraph"><style:paragraph-properties fo:text-align="center" fo:margin-top="0.3cm" fo:margin-bottom="0.3cm"/></style:style>
<text:list-style style:name="LB">
 <text:list-level-style-bullet text:level="1" text:bullet-char="•"><style:list-level-properties text:space-before="0.6cm" text:min-label-width="0.6cm"/></text:list-level-style-bullet>
 <text:list-level-style-bullet text:level="2" text:bullet-char="◦"><style:list-level-properties text:space-before="1.2cm" text:min-label-width="0.6cm"/></text:list-level-style-bullet>
 <text:list-level-style-bullet text:level="3" text:bullet-char="▪"><style:list-level-properties text:space-before="1.8cm" text:min-label-width="0.6cm"/></text:list-level-style-bullet>
</text:list-style>
<text:list-style style:name="LN">
 <text:list-level-style-number text:level="1" style:num-format="1" style:num-suffix="."><style:list-level-properties text:space-before="0.6cm" text:min-label-width="0.6cm"/></text:list-level-style-number>
 <text:list-level-style-number text:level="2" style:num-format="a" style:num-suffix=")"><style:list-level-properties text:space-before="1.2cm" text:min-label-width="0.6cm"/></text:list-level-style-number>
 <text:list-level-style-number text:level="3" style:num-format="i" style:num-suffix="."><style:list-level-properties text:space-before="1.8cm" text:min-label-width="0.6cm"/></text:list-level-style-number>
</text:list-style>
<text:list-style style:name="LR">
 <text:list-level-style-number text:level="1" style:num-format="I" style:num-prefix="(" style:num-suffix=")" text:start-value="3"><style:list-level-properties text:space-before="0.6cm" text:min-label-width="1cm"/></text:list-level-style-number>
</text:list-style>
</office:automatic-styles>"""


def png(width, height, seed):
    """A small PNG of coloured noise."""
    rnd = random.Random(seed)
    raw = b"".join(b"\x00" + bytes(rnd.randrange(256) for _ in range(width * 3)) for _ in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


class Doc:
    """Builds the body of a flat ODF text document from random parts."""

    def __init__(self, rnd, languages):
        self.rnd = rnd
        self.languages = languages
        self.parts = []
        self.notes = 0

    def sentence(self):
        return self.rnd.choice(TEXTS[self.rnd.choice(self.languages)])

    def inline(self):
        out = []
        for _ in range(self.rnd.randint(1, 3)):
            words = escape(self.sentence())
            kind = self.rnd.randrange(12)
            if kind == 0:
                out.append(f'<text:span text:style-name="B">{words}</text:span>')
            elif kind == 1:
                out.append(f'<text:span text:style-name="I">{words}</text:span>')
            elif kind == 2:
                out.append(f'<text:span text:style-name="U">{words}</text:span>')
            elif kind == 3:
                out.append(f'<text:span text:style-name="C">{words}</text:span>')
            elif kind == 4:
                out.append(f'<text:a xlink:type="simple" xlink:href="https://www.example.org/{self.rnd.randrange(99)}">{words}</text:a>')
            elif kind == 5:
                out.append(words + '<text:line-break/>')
            elif kind == 6:
                out.append(words + '<text:tab/>')
            else:
                out.append(words)
        return " ".join(out)

    def paragraph(self, style=None):
        attr = f' text:style-name="{style}"' if style else ""
        self.parts.append(f"<text:p{attr}>{self.inline()}</text:p>")

    def heading(self):
        self.parts.append(f'<text:h text:outline-level="{self.rnd.randint(1, 3)}">{escape(self.sentence())}</text:h>')

    def list_(self, style, depth=1):
        items = []
        for _ in range(self.rnd.randint(2, 4)):
            inner = f"<text:p>{self.inline()}</text:p>"
            if depth < 3 and self.rnd.random() < 0.35:
                inner += self.list_(None, depth + 1)
            items.append(f"<text:list-item>{inner}</text:list-item>")
        attr = f' text:style-name="{style}"' if style else ""
        text = f"<text:list{attr}>{''.join(items)}</text:list>"
        if depth == 1:
            self.parts.append(text)
        return text

    def table(self, nested=False):
        columns = self.rnd.randint(2, 4)
        rows = []
        for _ in range(self.rnd.randint(2, 4)):
            cells = []
            for _ in range(columns):
                kind = self.rnd.randrange(6)
                if kind == 0:
                    body = "<text:p/>"
                elif kind == 1:
                    body = f"<text:p>{self.inline()}</text:p><text:p>{escape(self.sentence())}</text:p>"
                elif kind == 2 and not nested:
                    body = self.table(nested=True)
                else:
                    body = f"<text:p>{escape(self.sentence())}</text:p>"
                cells.append(f'<table:table-cell office:value-type="string">{body}</table:table-cell>')
            rows.append(f"<table:table-row>{''.join(cells)}</table:table-row>")
        text = (f'<table:table table:name="T{self.rnd.randrange(10**6)}"><table:table-column '
                f'table:number-columns-repeated="{columns}"/>{"".join(rows)}</table:table>')
        if not nested:
            self.parts.append(text)
        return text

    def note(self):
        self.notes += 1
        kind = self.rnd.choice(["footnote", "endnote"])
        note = (f'<text:note text:id="n{self.notes}" text:note-class="{kind}"><text:note-citation>{self.notes}'
                f'</text:note-citation><text:note-body><text:p>{escape(self.sentence())}</text:p></text:note-body></text:note>')
        self.parts.append(f"<text:p>{escape(self.sentence())}{note} {escape(self.sentence())}</text:p>")

    def fields(self):
        self.parts.append(
            f'<text:p>Page <text:page-number text:select-page="current">1</text:page-number>, dated '
            f'<text:date text:fixed="true" text:date-value="2024-03-{self.rnd.randint(10, 28)}">2024-03-15</text:date>, '
            f'titled <text:title>Morning practice</text:title>. {escape(self.sentence())}'
            f'<text:bookmark text:name="mark{self.rnd.randrange(99)}"/></text:p>')

    def picture(self):
        data = base64.b64encode(png(self.rnd.randint(4, 24), self.rnd.randint(4, 24), self.rnd.randrange(10**6))).decode()
        anchor = self.rnd.choice(["as-char", "paragraph"])
        self.parts.append(
            f'<text:p>{escape(self.sentence())} <draw:frame draw:name="Picture{self.rnd.randrange(10**6)}" '
            f'text:anchor-type="{anchor}" svg:width="1.2cm" svg:height="1.2cm"><draw:image>'
            f'<office:binary-data>{data}</office:binary-data></draw:image></draw:frame> {escape(self.sentence())}</text:p>')

    def rtl(self):
        language = self.rnd.choice(sorted(RTL))
        self.parts.append(f'<text:p text:style-name="RTL">{escape(self.rnd.choice(TEXTS[language]))} '
                          f'{escape(self.rnd.choice(TEXTS[language]))}</text:p>')

    def odf(self):
        return (f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document {NS} office:version="1.3" '
                f'office:mimetype="application/vnd.oasis.opendocument.text">{STYLES}<office:body><office:text>'
                + "\n".join(self.parts) + "</office:text></office:body></office:document>\n")


FEATURES = ["paragraph", "heading", "bullets", "numbers", "roman", "table", "note", "fields", "picture", "rtl",
            "centred"]


def make_document(seed):
    rnd = random.Random(seed)
    languages = rnd.sample(sorted(TEXTS), rnd.randint(1, 4))
    doc = Doc(rnd, languages)
    features = rnd.sample(FEATURES, rnd.randint(3, 7))
    for _ in range(rnd.randint(6, 20)):
        feature = rnd.choice(features + ["paragraph"])
        if feature == "paragraph":
            doc.paragraph()
        elif feature == "centred":
            doc.paragraph("CENTER")
        elif feature == "heading":
            doc.heading()
        elif feature == "bullets":
            doc.list_("LB")
        elif feature == "numbers":
            doc.list_("LN")
        elif feature == "roman":
            doc.list_("LR")
        elif feature == "table":
            doc.table()
        elif feature == "note":
            doc.note()
        elif feature == "fields":
            doc.fields()
        elif feature == "picture":
            doc.picture()
        elif feature == "rtl":
            doc.rtl()
    return doc.odf()


# RTF as other writers save it: text in a code page, bytes escaped or raw, with and without \u.
CODE_PAGES = [  # (code page, font charset, languages, Python codec)
    (1250, 238, ["pl", "cs"], "cp1250"), (1251, 204, ["ru", "uk"], "cp1251"), (1252, 0, ["fr", "de", "es"], "cp1252"),
    (1253, 161, ["el"], "cp1253"), (1254, 162, ["tr"], "cp1254"), (1255, 177, ["he"], "cp1255"),
    (1256, 178, ["ar"], "cp1256"), (1257, 186, ["lt"], "cp1257"), (1258, 163, ["vi"], "cp1258"),
    (874, 222, ["th"], "cp874"), (932, 128, ["ja"], "cp932"), (936, 134, ["zh"], "gbk"),
    (949, 129, ["ko"], "cp949"), (950, 136, ["zht"], "big5"), (437, 254, ["en", "fr"], "cp437"),
    (850, 255, ["de", "es"], "cp850"),
]


def escape_rtf_bytes(data, raw):
    out = []
    for b in data:
        if b in b"\\{}":
            out.append("\\" + chr(b))
        elif b >= 0x80 and not raw:
            out.append(f"\\'{b:02x}")
        else:
            out.append(chr(b))
    return "".join(out)


def code_page_document(code_page, charset, languages, codec, variant):
    """The RTF, and the text it encodes: a lead byte with no trail byte stands for no character."""
    head = f"{{\\rtf1\\ansi\\ansicpg{code_page}\\deff0{{\\fonttbl{{\\f0\\fnil\\fcharset{charset} Sample Face;}}" \
           f"{{\\f1\\fswiss\\fcharset0 Arial;}}}}\\viewkind4\\uc1\\pard\\f0\\fs20 "
    body = []
    text_lines = []
    for language in languages:
        for sentence in TEXTS[language]:
            if codec in ("cp932", "gbk", "cp949", "big5"):
                sentence = sentence.replace("\u3000", " ")
            data = sentence.encode(codec, errors="replace")
            if variant == "unicode":
                text = "".join(c if ord(c) < 0x80 and c not in "\\{}" else
                               (f"\\{c}" if c in "\\{}" else
                                f"\\u{ord(c) if ord(c) < 0x8000 else ord(c) - 0x10000}"
                                + escape_rtf_bytes(c.encode(codec, errors="replace")[:1] or b"?", False))
                               for c in sentence)
            else:
                text = escape_rtf_bytes(data, raw=(variant == "raw"))
            body.append(text + "\\par\r\n")
            body.append("{\\f1 Latin text between.}\\par\r\n")
            text_lines += [sentence if variant == "unicode" else data.decode(codec), "Latin text between."]
    if codec in ("cp932", "gbk", "cp949", "big5"):
        # A lead byte left dangling at the end of a group and of a paragraph.
        lead = TEXTS[languages[0]][0].encode(codec, errors="replace")[:1]
        body.append("{" + escape_rtf_bytes(lead, False) + "}after group\\par\r\n")
        body.append(escape_rtf_bytes(lead, False) + "\\par after paragraph\\par\r\n")
        text_lines += ["after group", "", "after paragraph"]
    return (head + "".join(body) + "}\r\n").encode("latin-1"), "\n".join(text_lines) + "\n"


def write_code_page_documents(rtf, source_txt):
    for code_page, charset, languages, codec in CODE_PAGES:
        for variant in ("escaped", "raw", "unicode"):
            name = f"codepage-{code_page}-{variant}"
            data, text = code_page_document(code_page, charset, languages, codec, variant)
            with open(os.path.join(rtf, name + ".rtf"), "wb") as f:
                f.write(data)
            with open(os.path.join(source_txt, name + ".txt"), "w", encoding="utf-8") as f:
                f.write(text)


# Shapes where word processors read more than the rest of the RTF they write, each in a file of its
# own: a list outside the list table, Mac character sets, lists numbered from \ls alone, destination
# words inside a group that holds text, and hex escapes of one digit.
HAND_MADE = {
    "list-outside-table": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}{\\list\\listtemplateid1"
                          b"{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}}{\\listname List1382206859_1;}"
                          b"\\listid1}\\pard\\f0 First paragraph of text.\\par Second paragraph.\\par}",
    "mac-shift-jis": b"{\\rtf1\\mac\\ansicpg10001{\\fonttbl{\\f0\\fnil\\fcharset78 Osaka;}{\\f1\\fnil\\fcharset89 "
                     b"Charcoal CY;}{\\f2\\fnil\\fcharset77 Helvetica;}}\\pard\\f0 \\'93\\'fa\\'96\\'7b\\'8c\\'ea"
                     b"\\'82\\'cc\\'95\\'b6\\'8f\\'cd\\'82\\'c5\\'82\\'b7\\'81\\'42\\par\\f1 \\'8f\\'f0\\'e8"
                     b"\\'e2\\'e5\\'f2\\par\\f2 caf\\'8e\\par}",
    "lists-from-ls": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}{\\*\\listtable{\\list\\listtemplateid1"
                     b"{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
                     b"\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
                     b"\\pard\\ls1\\f0 Apples\\par Pears\\par Plums\\par\\pard After the list.\\par}",
    "destination-inside-group": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\pard\\f0 {\\b Shown before"
                                b"\\sp and after} the word.\\par {Text\\fonttbl still text}.\\par}",
    "hex-of-one-digit": b"{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\pard\\f0 One\\'3? two\\'e9 three"
                        b"\\'4 four.\\par}",
}


def soffice(args, cwd):
    env = dict(os.environ, HOME=os.path.join(cwd, ".soffice-home"))
    subprocess.run(["soffice", "--headless", *args], cwd=cwd, env=env, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=900)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = os.path.abspath(sys.argv[1])
    source, rtf, txt, source_txt = (os.path.join(out, d) for d in ("source", "rtf", "txt", "source-txt"))
    for d in (source, rtf, txt, source_txt):
        os.makedirs(d, exist_ok=True)

    documents = 60
    for seed in range(documents):
        with open(os.path.join(source, f"writer-{seed:02d}.fodt"), "w", encoding="utf-8") as f:
            f.write(make_document(seed))
    sources = sorted(os.path.join(source, n) for n in os.listdir(source) if n.endswith(".fodt"))
    soffice(["--convert-to", "rtf:Rich Text Format", "--outdir", rtf, *sources], out)
    soffice(["--convert-to", "txt:Text (encoded):UTF8", "--outdir", source_txt, *sources], out)

    write_code_page_documents(rtf, source_txt)

    for name, data in HAND_MADE.items():
        with open(os.path.join(rtf, f"hand-{name}.rtf"), "wb") as f:
            f.write(data)

    corpus = sorted(os.path.join(rtf, n) for n in os.listdir(rtf) if n.endswith(".rtf"))
    soffice(["--infilter=Rich Text Format", "--convert-to", "txt:Text (encoded):UTF8", "--outdir", txt, *corpus], out)
    print(f"{len(corpus)} RTF files in {rtf}, LibreOffice's text in {txt}")


if __name__ == "__main__":
    main()
