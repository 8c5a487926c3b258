// Small constructors for named controls, so a page's build code reads like its control list.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tolvex {

// Gives `widget` its control name (and hint) and returns it, so construction reads in one line.
template <class W>
W* Named(W* widget, const char* name, const QString& hint = {}) {
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    return widget;
}

// A caption for `buddy`, sharing its hint.
inline QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    l->setToolTip(buddy->toolTip());
    return l;
}

// A bold, centred column heading.
inline QLabel* Heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

inline QLineEdit* NamedEdit(QWidget* parent, const char* name, const QString& text = {},
                            bool readOnly = false, const QString& hint = {}) {
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

inline QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption,
                                const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

}  // namespace tolvex
