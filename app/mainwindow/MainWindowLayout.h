// Where the main window puts its controls for a client size: the sentence view beside
// the channel pane, the explanation pane under the view, the tool band, the fields, the
// translation field and the bottom row of buttons, sliders and the position label.
#pragma once

#include "toolkit/window/Rect.h"

// The sizes the controls fix themselves, which the layout works around.
struct MainWindowControlSizes {
    int channelPaneWidth = 0;
    int tempoFieldWidth = 0;
    int pitchFieldWidth = 0;
    int playButtonWidth = 0;
    int stopButtonWidth = 0;
    int volumeSliderWidth = 0;
    int positionLabelWidth = 0;
    bool explanationVisible = false;
};

struct MainWindowLayout {
    // Everything above the tool band: the channel pane's area and the editors' height.
    int upperHeight = 0;
    Rect sentenceView;
    Rect explanationPane;
    Rect toolBand;
    POINT tempoField{};
    POINT pitchField{};
    Rect translationField;
    POINT menuButton{};
    POINT playButton{};
    POINT stopButton{};
    Rect timeSlider;
    POINT volumeSlider{};
    POINT positionLabel{};
};

// The space below the upper part: tool band, fields, translation field and bottom row.
constexpr int kMainWindowLowerHeight = 136;

// The two fields and the position label keep their places from the right edge; when
// their texts are wider than the usual fonts make them, they move left so as to stay
// whole inside the window.
MainWindowLayout computeMainWindowLayout(int width, int height, const MainWindowControlSizes& sizes);
