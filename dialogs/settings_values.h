// What the settings dialog edits, read from the session and written back, and the sample
// texts its two buttons put into the boxes.
#pragma once

#include <QString>
#include <cstdint>

namespace typecask {

class Session;

// The three sample-text shortcuts.
struct SampleTexts
{
    QString japanese;
    QString western;
    QString symbol;
    bool operator==(const SampleTexts&) const = default;
};

// "初期化": the texts a settings file without them gives.
SampleTexts resetSampleTexts();
// "ロング": longer texts, every kana row, letter, digit and punctuation mark.
SampleTexts longSampleTexts();

struct SettingsDialogValues
{
    SampleTexts texts;
    bool showVerticalFonts = false;
    std::int16_t previewAreaSize = 1; // 0 small, 1 medium, 2 large
    bool listVertical = true;
    int listSampleSize = 20; // points
};

// The dialog's controls as it loads.
SettingsDialogValues settingsDialogValues(const Session& session);
// OK: the values stored in the session, each sample text on one line (its line breaks
// removed, nothing put in their place).
void storeSettingsDialogValues(const SettingsDialogValues& values, Session& session);

// A text box's text as one line.
QString oneLineSampleText(const QString& text);
// The list font size for the size box's chosen position (8 at position 0; -1 for no choice).
int listSampleSizeForChoice(int position);

} // namespace typecask
