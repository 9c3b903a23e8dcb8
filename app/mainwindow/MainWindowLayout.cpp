#include "app/mainwindow/MainWindowLayout.h"

#include <algorithm>

MainWindowLayout computeMainWindowLayout(int width, int height, const MainWindowControlSizes& sizes) {
    MainWindowLayout layout;
    const int h = height - kMainWindowLowerHeight;
    layout.upperHeight = h;
    const int editorWidth = width - sizes.channelPaneWidth;
    layout.sentenceView = Rect(0, 0, editorWidth, sizes.explanationVisible ? h / 2 : h);
    // One pixel between the two editors; placed the same whether shown or not.
    layout.explanationPane = Rect(0, h / 2 + 1, editorWidth, h / 2 + h % 2 - 1);
    layout.toolBand = Rect(0, h, width - 160, 21);
    const int fieldsWidth = sizes.tempoFieldWidth + 4 + sizes.pitchFieldWidth;
    const int tempoX = std::min(width - 156, width - fieldsWidth);
    layout.tempoField = POINT{tempoX, height - 135};
    layout.pitchField = POINT{tempoX + sizes.tempoFieldWidth + 4, height - 135};
    layout.translationField = Rect(0, height - 113, width, 86);

    const int rowY = height - 24;
    layout.menuButton = POINT{4, rowY};
    layout.playButton = POINT{68, rowY};
    layout.stopButton = POINT{sizes.playButtonWidth + 72, rowY};
    const int x = sizes.playButtonWidth + 72 + sizes.stopButtonWidth + 4;
    const int available = width - x - sizes.tempoFieldWidth + 6;
    const int volume = sizes.volumeSliderWidth;
    layout.timeSlider = Rect(x, height - 22, available - volume - 4, 20);
    layout.volumeSlider = POINT{x + available - volume, height - 22};
    layout.positionLabel = POINT{std::min(x + available + 4, width - sizes.positionLabelWidth), height - 20};
    return layout;
}
