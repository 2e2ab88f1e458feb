#pragma once
// A settings dialog driven by a script, one table row per scenario of the
// dialog tests. The steps, in order:
//   "Name"        clicks the button Name
//   "Name=text"   types text into the edit Name (a plain-text edit, an editable list)
//   "Name#3"      picks the item 3 of the list Name
//   "Name^0,2"    toggles the selection of the items 0 and 2 of the list widget Name
//   "Name~text"   the edit or list Name shows text
//   "A,B,C?101"   A and C are enabled, B is not
//   "OK!"         OK is refused: the dialog stays open
//   "+yes"        the next question is answered Yes
// then OK is pressed and must close the dialog. Files are "kxt.ini: contents"
// under windows/ (kxalarm.ini when no name leads): those the site holds before
// opening, and those OK must have written (the contents somewhere in the file).

#include "tests/common/SettingsDialogFixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <string>
#include <utility>
#include <vector>

namespace kx::test {

struct DialogScript {
    const char* dialog;
    std::vector<std::string> before;
    std::vector<std::string> steps;
    std::vector<std::string> written;
    std::size_t messages = 0;  // the message boxes shown in all
};

inline std::pair<std::string, std::string> ScriptFile(const std::string& entry)
{
    const std::size_t colon = entry.find(".ini: ");
    if (colon == std::string::npos || entry.find_first_of("\r\n[") < colon)
        return {"windows/kxalarm.ini", entry};
    return {"windows/" + entry.substr(0, colon + 4), entry.substr(colon + 6)};
}

inline void PlayDialogScript(SettingsDialogFixture& f, const DialogScript& s)
{
    for (const std::string& entry : s.before) {
        const auto [file, text] = ScriptFile(entry);
        f.site.write(file, text);
    }
    f.open(s.dialog);
    for (const std::string& step : s.steps) {
        const std::size_t at = std::min(step.find_first_of("=#~?^"), step.size());
        const QString name = QString::fromLatin1(step.substr(0, at));
        const char op = at < step.size() ? step[at] : '\0';
        const QString arg = op ? QString::fromLatin1(step.substr(at + 1)) : QString();
        QWidget* w = step == "OK!" || step == "+yes" || op == '?' ? nullptr : f.find<QWidget>(qPrintable(name));
        auto* edit = qobject_cast<QLineEdit*>(w);
        auto* lines = qobject_cast<QPlainTextEdit*>(w);
        auto* list = qobject_cast<QComboBox*>(w);
        if (step == "OK!") {
            f.press(QDialogButtonBox::Ok);
            QVERIFY2(f.dialog->isVisible(), s.dialog);
        } else if (step == "+yes") {
            f.boxes.answer(true);
        } else if (op == '?') {
            QString shown;
            for (const QString& n : name.split(QLatin1Char(',')))
                shown += f.find<QWidget>(qPrintable(n))->isEnabled() ? '1' : '0';
            QVERIFY2(shown == arg, qPrintable(QStringLiteral("%1: %2 gives %3").arg(s.dialog, step.c_str(), shown)));
        } else if (op == '~') {
            QVERIFY2(edit || lines || list, qPrintable(name));
            const QString text = edit ? edit->text() : lines ? lines->toPlainText() : list->currentText();
            QVERIFY2(text == arg, qPrintable(QStringLiteral("%1: %2 shows %3").arg(s.dialog, step.c_str(), text)));
        } else if (op == '^') {
            for (const QString& i : arg.split(QLatin1Char(',')))
                qobject_cast<QListWidget*>(w)->item(i.toInt())->setSelected(
                    !qobject_cast<QListWidget*>(w)->item(i.toInt())->isSelected());
        } else if (op == '#') {
            f.choose(qPrintable(name), arg.toInt());
        } else if (op == '=') {
            if (lines)
                lines->setPlainText(arg);
            else if (list)
                list->setEditText(arg);
            else
                edit->setText(arg);
        } else {
            qobject_cast<QAbstractButton*>(w)->click();
        }
    }
    f.press(QDialogButtonBox::Ok);
    QVERIFY2(f.dialog->result() == QDialog::Accepted, s.dialog);
    for (const std::string& entry : s.written) {
        const auto [file, text] = ScriptFile(entry);
        QVERIFY2(f.read(file).find(text) != std::string::npos,
                 (std::string(s.dialog) + ": " + file + " lacks " + text + " in:\n" + f.read(file)).c_str());
    }
    std::string texts;
    for (const std::string& t : f.boxes.texts())
        texts += "\n" + t;
    QVERIFY2(f.boxes.texts().size() == s.messages, (std::string(s.dialog) + ": the messages" + texts).c_str());
}

// The rows of the data function of a test slot that plays every script,
// one row per script, named by its dialog; the slot reads the row's index.
template <std::size_t N>
void AddDialogScriptRows(const DialogScript (&scripts)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::addRow("%zu %s", i, scripts[i].dialog) << int(i);
}

}  // namespace kx::test
