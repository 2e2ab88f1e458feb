#pragma once
// Binds the widgets of a settings dialog to its model by object name, so a
// dialog's code is its layout and nothing else.
//
// For a value named "X":
//   - the widget named "X" is its control. Its value is its USER property
//     (checked, text, value, currentText ...; "text" for a widget without
//     one, such as a label showing a result), and its change signal is that
//     property's notify signal, so any widget kind binds without code here.
//     A drop-down list (a combo box that is not editable) shows the items
//     and selects by token; a push button is a button row;
//   - a radio group's buttons are named "X_<token>" ("E1Protocol_QSIG");
//   - every other widget named "X_<anything>" (its label, hint, unit) is
//     enabled and shown with it; a label becomes the buddy of the control,
//     and its enabling follows its buddy.
// Check boxes, radio buttons and list choices go to the model at once, so
// the enabling and clearing rules run on every click; typed text goes to
// the model when the dialog commits (OK, or a button that takes the values).

#include "settings/SettingsModel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

class QWidget;

namespace kx::ui {

// The text a list item or radio button shows.
QString OptionText(const settings::Option& option);

class SettingsBinder final : public QObject {
    Q_OBJECT
public:
    SettingsBinder(settings::SettingsModel& model, QWidget* root);

    // A dialog that edits a few values of a larger model binds only those;
    // the widget that shows the rest leaves them out. Call before bind().
    // Values not bound need no control, and a control named after one of
    // them is reported like any control without a value.
    void bindOnly(std::vector<std::string> names) { m_only = std::move(names); }
    void leaveOut(std::vector<std::string> names) { m_leftOut = std::move(names); }

    // Finds and connects the widgets. Returns what does not match: a value
    // without a control, a named control without a value, a control without
    // a property to hold the value (empty when all is well; the tests
    // insist on that).
    QStringList bind();

    // Model to widgets: values that changed in the model, list items,
    // enabling and showing. The first call after bind() sets everything.
    void updateWidgets();

    // Typed text of the enabled edits to the model. False when an entry was
    // refused: its message was shown and the edit has the focus.
    bool commit();

    settings::SettingsModel& model() { return m_model; }

private slots:
    // The notify signal of a check box's or radio button's property.
    void userValueChanged();

private:
    struct Bound {
        const settings::SettingRow* row = nullptr;
        QPointer<QWidget> control;             // the widget named like the value
        QVector<QPointer<QWidget>> followers;  // "<name>_..." widgets, radio buttons included
        bool shownOnce = false;
        std::string shownValue;                      // the model value the widgets show
        std::vector<settings::Option> shownOptions;  // the items the list shows
    };

    bool binds(const settings::SettingRow& row) const;
    void connectControl(Bound& bound);
    void showValue(Bound& bound);
    void showOptions(Bound& bound);
    void changed(const std::string& name, const std::string& token);
    void pressed(const std::string& name);

    settings::SettingsModel& m_model;
    QWidget* m_root;
    std::vector<Bound> m_bound;
    bool m_updating = false;          // the binder itself sets the widgets
    std::vector<std::string> m_only;  // empty: every value
    std::vector<std::string> m_leftOut;
};

}  // namespace kx::ui
