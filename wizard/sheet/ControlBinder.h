#pragma once

#include <QVector>

#include <functional>

class CPageModel;
class QButtonGroup;
class QWidget;

// Ties a page's widgets to the control states of its page model, one widget per
// control id. The model decides everything; the binder only copies: the model's
// states onto the widgets after every call into the model, and what the person
// typed, selected or checked back into the model before every call.
//
// Captions of labels, buttons, radio buttons and check boxes come from the
// model too, and so do the names a screen reader gives the fields and lists:
// each label is the buddy of its field, and the field's accessible name is its
// label's caption (with the row number in a table of rows). A run of adjacent
// radio buttons is one group: a screen reader announces them as radio
// buttons, and the arrow keys move between them. Widget per control kind: Label QLabel, Edit QLineEdit, List QComboBox, Radio
// QRadioButton, Check QCheckBox, Button QPushButton, Report QPlainTextEdit.
class CControlBinder {
public:
    using CommandHandler = std::function<void(int nId)>;

    // Forgets the widgets of earlier controls (they are rebuilt with the page).
    void Reset(int nControlCount, CommandHandler onCommand);
    // Binds control nId; lists, radio buttons and check boxes report a
    // person's action on them to the command handler.
    void Bind(int nId, QWidget* pWidget);

    // The widget of control nId, or null.
    QWidget* Widget(int nId) const { return m_apWidgets.value(nId); }

    void ToWidgets(const CPageModel& model) const;
    void FromWidgets(CPageModel& model) const;

private:
    QVector<QWidget*> m_apWidgets;
    QButtonGroup* m_pRadioGroup = nullptr;
    CommandHandler m_onCommand;
};
