#pragma once
#include "platform/MessageBox.h"
#include <QStringList>

// Records the message boxes shown while it lives and answers each with `answer`.
class MessageLog {
public:
    explicit MessageLog(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        FOld = SetMessageBoxHook([this, answer](QMessageBox::Icon, const QString &caption, const QString &text,
                                                QMessageBox::StandardButtons) {
            Captions << caption;
            Texts << text;
            return answer;
        });
    }
    ~MessageLog() { SetMessageBoxHook(FOld); }
    QStringList Captions;
    QStringList Texts;

private:
    TMessageBoxHook FOld;
};
