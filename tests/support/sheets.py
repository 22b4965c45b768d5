#!/usr/bin/python3
"""Spreadsheets of a school's bank made, and read, by other implementations
than the program's: openpyxl for .xlsx (pictures through Pillow), odfpy for
.ods, Python's csv module for .csv.

    sheets.py from-bank BANK_JSON OUT [--english]   a teacher's sheet of a bank
    sheets.py faulty CASE OUT                        a small sheet with one fault
    sheets.py bomb OUT                               an .xlsx whose sheet unpacks to 1 GB
    sheets.py read FILE                              what the libraries read, as JSON
"""
import csv
import json
import os
import sys
import zipfile

VI = ['Số câu', 'Chương', 'Điểm liệt', 'Nội dung câu hỏi', 'Phương án 1', 'Phương án 2', 'Phương án 3',
      'Phương án 4', 'Đáp án', 'Ảnh', 'Giải thích', 'Mẹo', 'Văn bản pháp luật', 'Điều khoản', 'Hạng']
EN = ['Number', 'Chapter', 'Critical', 'Question', 'Option 1', 'Option 2', 'Option 3', 'Option 4', 'Key',
      'Picture', 'Explanation', 'Tip', 'Law document', 'Law article', 'Pools']
# The English sheet lists its columns in another order.
ORDER_EN = [3, 0, 8, 4, 5, 6, 7, 1, 2, 9, 14, 10, 11, 12, 13]


def bank_rows(bank):
    """The details block, the header and a row per question (values), with
    the picture file of each row that has one."""
    head = [['Mã bộ đề', bank['id']], ['Tên bộ đề', bank['title']], ['Phiên bản', bank['version']],
            ['Nguồn', bank['source']]]
    chapter_of = {}
    for c in bank['chapters']:
        head.append(['Chương %d' % c['number'], c['title']])
        for n in range(c['first'], c['last'] + 1):
            chapter_of[n] = c['number']
    head.append([])
    rows, pictures = [], []
    for q in bank['questions']:
        opts = (q.get('options') or []) + [''] * 4
        law = q.get('law') or {}
        image = q.get('image', '')
        rows.append([q['number'], chapter_of[q['number']], 'x' if q.get('critical') else '', q['text'],
                     opts[0], opts[1], opts[2], opts[3], q['answer'],
                     image[len('images/'):] if image.startswith('images/') else image,
                     q.get('explanation', ''), q.get('tip', ''), law.get('document', ''),
                     law.get('article', ''), ', '.join(q.get('pools') or [])])
        pictures.append(image)
    return head, rows, pictures


def write_xlsx(out, head, header, rows, pictures, folder, picture_col):
    import openpyxl
    from openpyxl.drawing.image import Image
    from openpyxl.utils import get_column_letter
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = 'Bank'
    for r in head:
        ws.append(r)
    ws.append(header)
    first = len(head) + 2
    for i, (r, p) in enumerate(zip(rows, pictures)):
        ws.append([v if v != '' else None for v in r])
        if p and folder:
            img = Image(os.path.join(folder, p))
            img.width, img.height = 60, 45
            img.anchor = '%s%d' % (get_column_letter(picture_col + 1), first + i)
            ws.add_image(img)
    wb.save(out)


def write_ods(out, head, header, rows, pictures, folder, picture_col):
    from odf.draw import Frame, Image
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableCell, TableRow
    from odf.text import P
    doc = OpenDocumentSpreadsheet()
    t = Table(name='Bank')

    def row(values, picture=None):
        tr = TableRow()
        for k, v in enumerate(values):
            if isinstance(v, int):
                cell = TableCell(valuetype='float', value=v)
            elif v == '':
                cell = TableCell()
            else:
                cell = TableCell(valuetype='string')
            if picture and k == picture_col:
                frame = Frame(width='2cm', height='1.5cm')
                frame.addElement(Image(href=doc.addPicture(os.path.join(folder, picture))))
                cell.addElement(frame)
            if v != '':
                cell.addElement(P(text=str(v)))
            tr.addElement(cell)
        t.addElement(tr)

    for r in head:
        row(r)
    row(header)
    for r, p in zip(rows, pictures):
        row(r, p if folder else None)
    doc.spreadsheet.addElement(t)
    doc.save(out)


def write_csv(out, head, header, rows):
    # As a Vietnamese-locale spreadsheet saves it: a byte-order mark and
    # semicolons.
    with open(out, 'w', encoding='utf-8-sig', newline='') as f:
        w = csv.writer(f, delimiter=';')
        for r in head + [header] + rows:
            w.writerow(r)


def write(out, head, header, rows, pictures, folder, picture_col=9):
    if out.endswith('.xlsx'):
        write_xlsx(out, head, header, rows, pictures, folder, picture_col)
    elif out.endswith('.ods'):
        write_ods(out, head, header, rows, pictures, folder, picture_col)
    else:
        write_csv(out, head, header, rows)


def from_bank(path, out, english):
    bank = json.load(open(path, encoding='utf-8'))
    head, rows, pictures = bank_rows(bank)
    header = VI
    if english:
        header = [EN[k] for k in ORDER_EN]
        rows = [[r[k] for k in ORDER_EN] for r in rows]
    write(out, head, header, rows, pictures, os.path.dirname(path), header.index(EN[9] if english else VI[9]))


def faulty(case, out):
    """Ten questions of two chapters, then the one fault of `case`."""
    head = [['Mã bộ đề', 'loi'], ['Chương 1', 'Một'], ['Chương 2', 'Hai'], []]
    rows = [[n, 1 if n <= 5 else 2, '', 'Câu mẫu %d' % n, 'Một', 'Hai', 'Ba', '', 2, '', '', '', '', '', '']
            for n in range(1, 11)]
    pictures = [''] * 10
    extra = None
    if case == 'key-missing':
        rows[3][8] = ''
    elif case == 'key-past-options':
        rows[4][8] = 4
    elif case == 'number-twice':
        rows[6][0] = 6
    elif case == 'picture-missing':
        rows[2][9] = 'khong-co.png'
    elif case == 'chapter-unknown':
        rows[7][1] = 9
    elif case == 'option-gap':
        rows[1][5], rows[1][7] = '', 'Bốn'
    elif case == 'merged':
        extra = 'merge'
    elif case == 'formula':
        rows[5][3] = '=D1&"!"'
    else:
        raise SystemExit('no such case: ' + case)
    if out.endswith('.xlsx'):
        import openpyxl
        write_xlsx(out, head, VI, rows, pictures, None, 9)
        if extra == 'merge':
            wb = openpyxl.load_workbook(out)
            wb.active.merge_cells('D9:E9')
            wb.save(out)
    else:
        write(out, head, VI, rows, pictures, None)


def bomb(out):
    """A well-formed workbook whose sheet unpacks to a gigabyte of blanks."""
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED, compresslevel=1) as z:
        z.writestr('[Content_Types].xml', '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>')
        z.writestr('xl/workbook.xml',
                   '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                   'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
                   '<sheets><sheet name="A" sheetId="1" r:id="rId1"/></sheets></workbook>')
        z.writestr('xl/_rels/workbook.xml.rels',
                   '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                   '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
                   'relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>')
        with z.open('xl/worksheets/sheet1.xml', 'w', force_zip64=True) as f:
            f.write(b'<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>')
            chunk = b' ' * (1 << 20)
            for _ in range(1024):
                f.write(chunk)
            f.write(b'</sheetData></worksheet>')


def read(path):
    """Every row's values, the pictures' anchors (row, column, from 0), the
    frozen cell and the checks on typing, as the other library reads them."""
    out = {'rows': [], 'pictures': [], 'frozen': None, 'checks': []}
    if path.endswith('.xlsx'):
        import openpyxl
        wb = openpyxl.load_workbook(path)
        ws = wb.active
        out['rows'] = [['' if v is None else v for v in r] for r in ws.iter_rows(values_only=True)]
        for img in ws._images:
            m = img.anchor._from
            out['pictures'].append([m.row, m.col])
        out['frozen'] = ws.freeze_panes
        out['checks'] = [[dv.type, dv.formula1, str(dv.sqref)] for dv in ws.data_validations.dataValidation]
    else:
        from odf import draw, table, teletype
        from odf.opendocument import load
        doc = load(path)
        t = doc.spreadsheet.getElementsByType(table.Table)[0]
        for r, tr in enumerate(t.getElementsByType(table.TableRow)):
            values = []
            for c, cell in enumerate(tr.getElementsByType(table.TableCell)):
                text = '\n'.join(teletype.extractText(p) for p in cell.getElementsByType(
                    __import__('odf.text', fromlist=['P']).P))
                if cell.getAttribute('valuetype') == 'float':
                    text = int(float(cell.getAttribute('value')))
                values.append(text)
                for _ in cell.getElementsByType(draw.Image):
                    out['pictures'].append([r, c])
            out['rows'].append(values)
    json.dump(out, sys.stdout, ensure_ascii=False)


def main():
    cmd = sys.argv[1]
    if cmd == 'from-bank':
        from_bank(sys.argv[2], sys.argv[3], '--english' in sys.argv[4:])
    elif cmd == 'faulty':
        faulty(sys.argv[2], sys.argv[3])
    elif cmd == 'bomb':
        bomb(sys.argv[2])
    elif cmd == 'read':
        read(sys.argv[2])
    else:
        raise SystemExit(__doc__)


if __name__ == '__main__':
    main()
