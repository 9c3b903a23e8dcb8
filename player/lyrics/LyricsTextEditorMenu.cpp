// The sentence view's context menu: the editor's items, then the conversions of the
// selected text.
#include "player/lyrics/KanaConversion.h"
#include "player/lyrics/LanguageText.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/PairingXml.h"
#include "player/lyrics/SaveXmlText.h"
#include "toolkit/window/PopupMenu.h"

void LyricsTextEditor::buildLyricsMenu(PopupMenu& menu) {
    createContextMenu(menu);
    menu.addSeparator();
    const bool selected = !getSelection().isEmpty();
    menu.addItem(L"選択範囲にある、日本文と英文の位置を入れ替える", kSwapLines, selected);
    menu.addItem(L"選択範囲にある、日本文と英文の位置をセンテンスで入れ替える", kSwapLinesBySentence, selected);
    menu.addItem(L"選択範囲にある、日本文と英文の組を XML 形式にする", kPairsToSentenceList, selected);
    menu.addItem(L"選択範囲にある、日単語と英単語の組を XML 形式にする", kPairsToWordList, selected);
    menu.addSeparator();
    menu.addItem(L"ひらがなをカタカナに変換", kToKatakana, selected);
    menu.addItem(L"カタカナをひらがなに変換", kToHiragana, selected);
}

void LyricsTextEditor::showContextMenu() {
    PopupMenu menu;
    buildLyricsMenu(menu);
    runLyricsCommand(menu.show(m_hWnd));
}

void LyricsTextEditor::runLyricsCommand(int id) {
    switch (id) {
        case 0: break;
        case kSwapLines: replaceSelection(swapLanguageLines(getSelectedText(), false)); break;
        case kSwapLinesBySentence: replaceSelection(swapLanguageLines(getSelectedText(), true)); break;
        case kPairsToSentenceList: saveXmlTextAs(m_hWnd, toSentenceListXml(getSelectedText()), L""); break;
        case kPairsToWordList: saveXmlTextAs(m_hWnd, toWordListXml(getSelectedText()), L""); break;
        case kToKatakana: replaceSelection(toKatakana(getSelectedText())); break;
        case kToHiragana: replaceSelection(toHiragana(getSelectedText())); break;
        default: onCommand(static_cast<WPARAM>(id), 0); break;
    }
}
