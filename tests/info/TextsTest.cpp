// The dialog's texts, hints and web pages by the language it was asked for.
#include "InfoFixture.h"

namespace vorlane::testing {
namespace {

struct LabelText {
    TControl TShowInfoDialog::*label;
    std::string english;
    std::string german;
};

// A sample of the labels: first and last lines, escaped quotes, spaces only, and the links.
const LabelText kTexts[] = {
    {&TShowInfoDialog::llbInfo11, "1. Move a MP3 music file with drag&&drop onto",
     "1. Ziehen Sie per Drag && Drop eine MP3-Datei"},
    {&TShowInfoDialog::llbInfo13, "    to select which music should play at the end",
     "    \"Eject-Knopf\" (1) und wählen Sie eine"},
    {&TShowInfoDialog::llbInfo26, "        ", "    und wählen eine Uhrzeit."},
    {&TShowInfoDialog::llbInfo4, "More information here:", "Mehr Informationen hier:"},
    {&TShowInfoDialog::lblVorlaneLink, "www.vorlane.example", "www.vorlane-de.example"},
    {&TShowInfoDialog::llbArdewayLink, "www.ardeway.example", "www.ardeway-de.example"},
    {&TShowInfoDialog::llbArdewayInfo3, "and test it for free!", "und testen Sie kostenlos das"},
    {&TShowInfoDialog::llbArdewayInfo5, "for making and storing quick notes.",
     "Notizen, Terminen und ToDos."},
};

struct LanguageCase {
    const char* language;
    bool german;
};

void PrintTo(const LanguageCase& value, std::ostream* out) {
    *out << '"' << value.language << '"';
}

class InfoLanguage : public InfoDialog, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(InfoLanguage, GermanTextsOnlyForExactlyDEUTSCH) {
    const bool german = GetParam().german;
    TShowInfoDialog& dialog = Show(GetParam().language, "2.9");
    for (const LabelText& text : kTexts) {
        const TControl& label = dialog.*text.label;
        EXPECT_EQ(label.Text(), german ? text.german : text.english) << label.Name();
    }
    const std::string hint =
        german ? "www.ardeway-de.example besuchen" : "Visit www.ardeway.example";
    for (const TControl* carrier : {&dialog.btnArdewayIconNormal, &dialog.btnArdewayIconHover,
                                    &dialog.btnArdewayIconActive, &dialog.llbArdewayLink}) {
        EXPECT_EQ(carrier->Hint(), hint) << carrier->Name();
        EXPECT_TRUE(carrier->ShowHint) << carrier->Name();
    }
    EXPECT_FALSE(dialog.lblVorlaneLink.ShowHint);
    // The caption and the copyright do not change with the language.
    EXPECT_EQ(dialog.Caption(), "Vorlane Version 2.9");
    EXPECT_EQ(dialog.llbInfoCopyright1.Text(), "© 2009–2026 Vorlane");
    EXPECT_EQ(dialog.llbInfoCopyright2.Text(), "Vorlane-Team");
}

TEST_P(InfoLanguage, LinksOpenThePagesOfTheLanguage) {
    const bool german = GetParam().german;
    TShowInfoDialog& dialog = Show(GetParam().language);
    Click(dialog, dialog.lblVorlaneLink);
    Click(dialog, dialog.llbArdewayLink);
    Click(dialog, dialog.btnArdewayIconNormal);
    using Request = headless::RecordingShell::Request;
    const Request vorlane{
        german ? "http:\\\\www.vorlane-de.example" : "https:\\\\www.vorlane.example", ""};
    const Request ardeway{
        german ? "https:\\\\www.ardeway-de.example" : "https:\\\\www.ardeway.example", ""};
    EXPECT_EQ(host.shell.opened, (std::vector<Request>{vorlane, ardeway, ardeway}));
}

INSTANTIATE_TEST_SUITE_P(Languages, InfoLanguage,
                         ::testing::Values(LanguageCase{"DEUTSCH", true},
                                           LanguageCase{"deutsch", false},
                                           LanguageCase{"Deutsch", false},
                                           LanguageCase{"ENGLISH", false},
                                           LanguageCase{"", false}));

TEST_F(InfoDialog, ALinkFollowsTheLanguageOfTheLatestRequestNotOfItsOwnDialog) {
    TShowInfoDialog& older = Show("DEUTSCH");
    Show("ENGLISH");
    Click(older, older.lblVorlaneLink);
    // The older dialog still shows German texts, yet its link now leads to the English page.
    EXPECT_EQ(older.lblVorlaneLink.Text(), "www.vorlane-de.example");
    Show("DEUTSCH");
    Click(older, older.btnArdewayIconNormal);
    using Request = headless::RecordingShell::Request;
    EXPECT_EQ(host.shell.opened, (std::vector<Request>{{"https:\\\\www.vorlane.example", ""},
                                                       {"https:\\\\www.ardeway-de.example", ""}}));
}

TEST_F(InfoDialog, APageThatDoesNotOpenIsLeftAtThat) {
    host.shell.accepts = false;
    TShowInfoDialog& dialog = Show();
    Click(dialog, dialog.lblVorlaneLink);
    EXPECT_EQ(host.shell.opened.size(), 1U);
    EXPECT_TRUE(WindowOf(dialog).visible);
    EXPECT_TRUE(host.messageBoxes.shown.empty());
}

} // namespace
} // namespace vorlane::testing
