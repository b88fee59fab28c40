// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets window worth comparing with: one label and one line
// edit in a window of the start window's size. The label says "Name", or the
// first argument, so that e.g. a Chinese label shows what one CJK font costs.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    auto *layout = new QVBoxLayout(&window);
    const QStringList args = QApplication::arguments();
    layout->addWidget(new QLabel(args.size() > 1 ? args.at(1) : QStringLiteral("Name"), &window));
    layout->addWidget(new QLineEdit(&window));
    window.resize(1016, 733);
    window.show();
    return QApplication::exec();
}
