#pragma once
// Recorders in place of the message boxes, the clipboard and the input
// dialog of the clipboard set-up window.
#include "clip_seams.h"
#include "ui_seams.h"

#include <deque>
#include <string>
#include <vector>

namespace vdtest {

struct Messages : vd::MessageService {
    std::vector<std::string> shown, errors;
    void ShowMessage(const std::string& t) override { shown.push_back(t); }
    void ShowError(const std::string& t) override { errors.push_back(t); }
};
struct Clipboard : vd::ClipboardService {
    std::vector<std::string> texts;
    void SetText(const std::string& t) override { texts.push_back(t); }
};
struct Input : vd::InputDialogService {
    std::deque<std::string> answers;
    std::vector<std::string> asked;
    std::string InputBox(const std::string& title, const std::string& prompt,
                         const std::string& initial) override {
        asked.push_back(title + "|" + prompt + "|" + initial);
        std::string a = answers.empty() ? initial : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
};

} // namespace vdtest
