#pragma once

// What the two files of the teacher's window share; no one else.

#include "rules/common/Texts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace thilaixe::giao_vien {

// How often the live view of a session is read again.
constexpr int kLamMoiMs = 2000;
inline const QString kKhoaTruong = QStringLiteral("school_name");

// A screen reader names a table by what it holds (a tab's or label's text,
// without its mnemonic).
inline QString tenDoc(const QString& nhan)
{
    return QString(nhan).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

inline QTreeWidget* bang(QWidget* cha, const QString& ten, const QStringList& cot, const QString& nhan)
{
    auto* t = new QTreeWidget(cha);
    t->setObjectName(ten);
    t->setAccessibleName(tenDoc(nhan));
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setAlternatingRowColors(true);
    t->setHeaderLabels(cot);
    // Every column as wide as what it shows; the last takes the rest.
    t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->header()->setStretchLastSection(true);
    return t;
}

// The text of a table's current row (its first column), or none.
inline QString hangDangChon(const QTreeWidget* t)
{
    return t->currentItem() ? t->currentItem()->text(0) : QString();
}

// After a table is filled again: the row that was current (`truoc`, by its
// first column) is current again, else the first one. Current, not
// selected: the focus ring is seen on it and a screen reader reads a row.
inline void giuHang(QTreeWidget* t, const QString& truoc)
{
    QTreeWidgetItem* hang = t->topLevelItemCount() > 0 ? t->topLevelItem(0) : nullptr;
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        if (t->topLevelItem(i)->text(0) == truoc)
            hang = t->topLevelItem(i);
    if (hang)
        t->setCurrentItem(hang, 0, QItemSelectionModel::NoUpdate);
}

inline QPushButton* nut(QWidget* cha, const QString& ten, const QString& chu)
{
    auto* b = new QPushButton(chu, cha);
    b->setObjectName(ten);
    return b;
}

// A dialog of the caller's labelled fields with OK and Cancel; true when
// accepted.
inline bool hoi(QWidget* cha, const QString& tieuDe, const std::vector<std::pair<QString, QWidget*>>& truong)
{
    QDialog d(cha);
    d.setWindowTitle(QString(tieuDe).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
    auto* form = new QFormLayout(&d);
    for (const auto& [nhan, w] : truong)
        form->addRow(nhan, w);
    auto* nutHop = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    nutHop->button(QDialogButtonBox::Ok)->setText(txt::kGvNutDongY);
    nutHop->button(QDialogButtonBox::Cancel)->setText(QString(txt::kDlNutHuy));
    form->addRow(nutHop);
    QObject::connect(nutHop, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(nutHop, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    const bool dongY = d.exec() == QDialog::Accepted;
    // The fields are the caller's: taken back before the dialog goes.
    for (const auto& tr : truong)
        tr.second->setParent(nullptr);
    return dongY;
}

inline QString phutGiay(int giay) { return QStringLiteral("%1").arg(std::max(giay, 0) / 60); }

}  // namespace thilaixe::giao_vien
