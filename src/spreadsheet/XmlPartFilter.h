#pragma once

#include <QByteArray>
#include <QIODevice>

#include <string>
#include <vector>

// Hands the bytes of an XML part on to the XML reader, scanning them as they
// pass, for two limits the reader has none of:
// - No single text, tag, comment or CDATA section may be longer than
//   kMaxTokenSize: the reader holds each one whole (text at twice its size),
//   so one endless run of blanks would otherwise cost hundreds of megabytes.
//   A longer one ends the bytes early, with tokenTooLong() true.
// - Asked to, it drops the root element's children of one name (the items)
//   that are not wanted, as bytes that are never parsed: looking up one
//   item among millions then costs a byte scan, not millions of elements.
// A part with a document type declaration, or in UTF-16, is passed on as it
// is, unchecked (no workbook writer makes either).
class XmlPartFilter : public QIODevice {
public:
    static constexpr qint64 kMaxTokenSize = qint64(16) * 1024 * 1024;

    explicit XmlPartFilter(QIODevice& source);

    // Passes only the root's children named itemName (any prefix) whose
    // position among them, from 0, is in wanted (sorted, no repeats); the
    // other children pass as they are.
    void keepOnlyItems(QByteArray itemName, std::vector<quint32> wanted);

    bool tokenTooLong() const { return tokenTooLong_; }
    // Whether every item reaches the reader after all (a part passed on as
    // it is); known once the reader has met the root element.
    bool passesEveryItem() const { return passThrough_ || itemName_.isEmpty(); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    enum class State { Text, Open, StartName, Tag, Quoted, Bang, Comment, CData, Declaration, Instruction };

    void scan(const char* bytes, qsizetype size);
    void step(char c);
    // Hands a byte on, holds it back, or drops it.
    void emit(char c)
    {
        if (dropping_)
            return;
        tokenTooLong_ = ++tokenSize_ > kMaxTokenSize;
        if (holding_)
            pending_ += c;
        else
            out_ += c;
    }
    void startMarkup();
    void nameEnded();
    void tagEnded();

    QIODevice& source_;
    QByteArray out_;           // bytes scanned, not yet handed on
    qsizetype outRead_ = 0;    // of out_, already handed on
    bool sourceEnded_ = false;
    bool passThrough_ = false; // decided on the first bytes, or at a document type declaration
    bool started_ = false;
    bool tokenTooLong_ = false;

    State state_ = State::Text;
    char quote_ = 0;
    int runOfMarks_ = 0;       // '-' before a comment's end, ']' before a CDATA section's end
    bool endTag_ = false;
    char lastInTag_ = 0;       // the last character of a tag outside quotes ('/' before '>' closes it)
    qint64 depth_ = 0;         // open elements
    qint64 tokenSize_ = 0;

    QByteArray itemName_;
    std::vector<quint32> wanted_;
    size_t nextWanted_ = 0;
    quint64 items_ = 0;        // items met so far
    std::string pending_;      // '<' and the name so far of a child of the root
    bool holding_ = false;     // pending_ is held back until the name is complete
    bool dropping_ = false;    // inside an unwanted item
};
