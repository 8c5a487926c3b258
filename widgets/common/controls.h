// Small constructors for named controls, so a page's build code reads like its control list.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvex {

inline QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text = {}, bool readOnly = false,
                            const QString& hint = {}) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    if (!hint.isEmpty()) e->setToolTip(hint);
    return e;
}

inline QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

}  // namespace tolvex
