// Plays the user's side of the dialogs in widget tests: which file is picked,
// Yes or No, and it keeps every message that would have been shown.
#pragma once

#include "QStringPrinter.h"
#include "ui/UserDialogs.h"

#include <QString>
#include <QStringList>
#include <deque>

class ScriptedDialogs : public UserDialogs {
public:
    struct Question {
        QString caption;
        QString text;
    };
    struct FileRequest {
        QString title;
        QString filter;
        QString defaultSuffix;
    };

    // Files the user picks, in order; nullopt cancels. An empty queue cancels.
    std::deque<std::optional<QString>> files;
    std::deque<bool> answers;

    QStringList messages;
    std::vector<Question> questions;
    std::vector<FileRequest> fileRequests;

    std::optional<QString> chooseFileToOpen(QWidget*, const QString& title,
                                            const QString& filter) override {
        fileRequests.push_back({title, filter, {}});
        return nextFile();
    }
    std::optional<QString> chooseFileToSave(QWidget*, const QString& title, const QString& filter,
                                            const QString& defaultSuffix) override {
        fileRequests.push_back({title, filter, defaultSuffix});
        return nextFile();
    }
    void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions.push_back({caption, text});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

private:
    std::optional<QString> nextFile() {
        if (files.empty()) {
            return std::nullopt;
        }
        const std::optional<QString> file = std::move(files.front());
        files.pop_front();
        return file;
    }
};
