// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_test.hpp"

namespace satrivox::testing {
namespace {

struct SettingsRow {
    const char* hazard;
    const char* file;  // the settings file's bytes, or a folder where "/"
    bool mirroredNamed;
    bool keptAsItWas;  // after a toggle
};

class ViewSettings : public FormTest, public ::testing::WithParamInterface<SettingsRow> {};

// The view is read at start-up and saved when a toggle changes. Nothing is
// written before; a file Satrivox cannot read as its own gives the default view
// without a word, and is never written over.
TEST_P(ViewSettings, AreReadAtStartAndNeverWriteOverWhatIsNotTheirs) {
    const SettingsRow& row = GetParam();
    const std::filesystem::path file = row.file == std::string("folder_is_a_file") ? SettingsFolder() : SettingsFolder() / "satrivox.conf";
    std::filesystem::create_directories(file.parent_path());
    if (row.file == std::string("/")) {
        std::filesystem::create_directory(file);
    } else if (*row.file != '\0') {
        std::ofstream(file, std::ios::binary) << row.file;
    }
    const auto contents = [&file] { return std::filesystem::is_directory(file) ? "/" : (std::stringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str(); };
    const std::string before = contents();
    Open();
    EXPECT_EQ(Get<QAction>("actionMirrorEastWest")->isChecked() && Get<QAction>("actionMoonNames")->isChecked(), row.mirroredNamed);
    EXPECT_EQ(Get<QLabel>("Label8")->text().startsWith('-'), row.mirroredNamed) << "Io's offset, drawn left when mirrored, negative";
    EXPECT_EQ(contents(), before) << "nothing written at start";
    Trigger("actionNightColours");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(contents() == before, row.keptAsItWas);
    Open();
    EXPECT_EQ(Get<QAction>("actionNightColours")->isChecked(), !row.keptAsItWas) << "remembered";
    Trigger("actionMirrorEastWest");
    Open();
    EXPECT_EQ(Get<QAction>("actionMirrorEastWest")->isChecked(), row.keptAsItWas == row.mirroredNamed) << "the mirror too";
}

INSTANTIATE_TEST_SUITE_P(
    Window, ViewSettings,
    ::testing::Values(SettingsRow{"none_yet", "", false, false},
                      SettingsRow{"mirrored_and_named", "[view]\nmirrorEastWest=true\nmoonNames=true\n", true, false},
                      SettingsRow{"value_not_true_or_false", "[view]\nmirrorEastWest=1\nmoonNames=yes\n", false, false},
                      SettingsRow{"garbled", "\x01[view\nmirrorEastWest=true\nmoonNames=true\n", false, true},
                      SettingsRow{"another_kind", "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", false, true},
                      SettingsRow{"someone_elses_keys", "[General]\nbackup=/home\n[view]\nmirrorEastWest=true\nmoonNames=true\n", true, true},
                      SettingsRow{"unreadable", "/", false, true},
                      SettingsRow{"folder_is_a_file", "folder_is_a_file", false, true}),
    kHazardName);

}  // namespace
}  // namespace satrivox::testing
