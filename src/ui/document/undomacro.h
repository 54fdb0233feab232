#pragma once
// Edits made as one step (the two shades a suggested colour sets). The step
// opens with the first command pushed through the guard, so a group that
// changes nothing leaves no empty step and keeps what could be redone; it
// closes when the guard goes, however its scope is left.

#include <QString>
#include <QUndoStack>

class TUndoMacro {
public:
    TUndoMacro(QUndoStack& stack, QString name) : stack_(stack), name_(std::move(name)) {}
    ~TUndoMacro()
    {
        if (open_)
            stack_.endMacro();
    }
    TUndoMacro(const TUndoMacro&) = delete;
    TUndoMacro& operator=(const TUndoMacro&) = delete;

    void Push(QUndoCommand* command)
    {
        if (!open_) {
            stack_.beginMacro(name_);
            open_ = true;
        }
        stack_.push(command);
    }

private:
    QUndoStack& stack_;
    QString name_;
    bool open_ = false;
};
