// The translation field's one door to the input method's Kanji readings: opened for one
// menu, asked for ruby mark-up, closed when it goes out of scope.
#pragma once

#include <memory>
#include <string>

class RubyReadings {
public:
    RubyReadings();
    ~RubyReadings();
    RubyReadings(const RubyReadings&) = delete;
    RubyReadings& operator=(const RubyReadings&) = delete;

    // False when the input method named by the program id cannot be opened.
    bool open(const std::wstring& programId);
    // Every Kanji word followed by its reading in bar-and-brackets ruby.
    std::wstring makeRubyText(const std::wstring& text);
    // The text without its ruby marks (readings in brackets and the bars).
    static std::wstring withoutRubyMarks(const std::wstring& text);

    // Test hook: a stand-in that answers in place of the input method.
    struct Source {
        virtual ~Source() = default;
        virtual bool open(const std::wstring& programId) = 0;
        virtual std::wstring makeRubyText(const std::wstring& text) = 0;
    };
    using SourceFactory = std::unique_ptr<Source> (*)();
    // Null: the input method itself.
    static void setSourceFactory(SourceFactory factory);

private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
    std::unique_ptr<Source> mSource;
};
