#pragma once
// A main window started on a copy of the delivered texts in a temporary data
// folder, with message boxes recorded instead of shown.
#include "about_page.h"
#include "ancillary_page.h"
#include "company_page.h"
#include "contact_page.h"
#include "diagram_page.h"
#include "input_page.h"
#include "main_window.h"
#include "number_text.h"
#include "paths.h"
#include "print_page.h"
#include "products_page.h"
#include "start_page.h"
#include "test_files.h"
#include "vd_variables.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>
#include <memory>

struct RecordingMessages : vd::MessageService {
    std::vector<std::string> shown;
    std::vector<std::string> errors;
    std::vector<bool> busyCursor; // per message shown: under the busy cursor
    void ShowMessage(const std::string& text) override {
        shown.push_back(text);
        const QCursor* c = QApplication::overrideCursor();
        busyCursor.push_back(c && c->shape() == Qt::WaitCursor);
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
};

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vd::ResetVariables();
        vd::SetDecimalSeparator('.');
        std::filesystem::copy(std::filesystem::path(VD_DATA_SRC) / "txt", dir / "txt",
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        vd::SetDataRoot(dir.path());
    }
    void TearDown() override {
        window.reset();
        vd::SetDataRoot({});
        vd::ResetVariables();
    }
    void Setup(const std::string& code) {
        vdtest::WriteFile(dir / "txt/vd_setup.txt", code + "\r\n");
    }
    vd::T_fm& Start() {
        window = std::make_unique<vd::T_fm>(vd::UiServices{.messages = &messages});
        window->FormCreate();
        return *window;
    }

    vdtest::TempDir dir;
    RecordingMessages messages;
    std::unique_ptr<vd::T_fm> window;
};
