#include "XmlPartFilter.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Longer names are no item name: a child of the root is held back only this long.
constexpr size_t kNameKept = 64;

} // namespace

XmlPartFilter::XmlPartFilter(QIODevice& source) : source_(source)
{
    QIODevice::open(QIODevice::ReadOnly);
}

void XmlPartFilter::keepOnlyItems(QByteArray itemName, std::vector<quint32> wanted)
{
    itemName_ = std::move(itemName);
    wanted_ = std::move(wanted);
}

qint64 XmlPartFilter::readData(char* data, qint64 maxSize)
{
    QByteArray piece;
    for (;;) {
        if (outRead_ < out_.size()) {
            const qint64 n = std::min<qint64>(maxSize, out_.size() - outRead_);
            std::memcpy(data, out_.constData() + outRead_, static_cast<size_t>(n));
            outRead_ += n;
            if (outRead_ == out_.size()) {
                out_.clear();
                outRead_ = 0;
            }
            return n;
        }
        if (tokenTooLong_)
            return -1;
        if (sourceEnded_)
            return 0;
        if (piece.isEmpty())
            piece.resize(qsizetype(1) << 16);
        const qint64 got = source_.read(piece.data(), piece.size());
        if (got <= 0)
            sourceEnded_ = true;
        else
            scan(piece.constData(), static_cast<qsizetype>(got));
    }
}

void XmlPartFilter::scan(const char* bytes, qsizetype size)
{
    if (!started_) {
        started_ = true;
        // A byte-order mark of UTF-16, or a zero byte beside the first '<'.
        const auto byte = [&](qsizetype i) { return i < size ? static_cast<unsigned char>(bytes[i]) : 1u; };
        passThrough_ = (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0xFF && byte(1) == 0xFE) || byte(0) == 0
            || byte(1) == 0;
    }
    qsizetype i = 0;
    while (i < size && !tokenTooLong_) {
        if (passThrough_) {
            out_.append(bytes + i, size - i);
            return;
        }
        if (state_ == State::Text && bytes[i] != '<') {
            // Text runs to the next '<', handed on (or dropped) as a whole.
            const void* lt = std::memchr(bytes + i, '<', static_cast<size_t>(size - i));
            const qsizetype end = lt ? static_cast<const char*>(lt) - bytes : size;
            if (!dropping_) {
                tokenSize_ += end - i;
                tokenTooLong_ = tokenSize_ > kMaxTokenSize;
                out_.append(bytes + i, end - i);
            }
            i = end;
            if (i == size || tokenTooLong_)
                return;
        }
        step(bytes[i++]);
    }
}

void XmlPartFilter::startMarkup()
{
    tokenSize_ = 0;
    lastInTag_ = 0;
    // A child of the root may be an item: held back until its name tells.
    holding_ = !dropping_ && depth_ == 1 && !itemName_.isEmpty();
    pending_.clear();
}

void XmlPartFilter::nameEnded()
{
    if (!holding_)
        return;
    holding_ = false;
    // The name without '<' and without its namespace prefix.
    const std::string_view name = std::string_view(pending_).substr(1, pending_.find_first_of("/> \t\r\n") - 1);
    const size_t colon = name.rfind(':');
    const std::string_view local = colon == std::string_view::npos ? name : name.substr(colon + 1);
    if (local.size() == static_cast<size_t>(itemName_.size())
        && std::equal(local.begin(), local.end(), itemName_.constData())) {
        const quint64 item = items_++;
        if (nextWanted_ < wanted_.size() && wanted_[nextWanted_] == item) {
            ++nextWanted_;
        } else {
            dropping_ = true; // until the depth is back at the root's
            pending_.clear();
            return;
        }
    }
    out_.append(pending_.data(), static_cast<qsizetype>(pending_.size()));
    pending_.clear();
}

void XmlPartFilter::tagEnded()
{
    if (endTag_)
        --depth_;
    else if (lastInTag_ != '/')
        ++depth_;
    state_ = State::Text;
    tokenSize_ = 0;
    if (dropping_ && depth_ <= 1)
        dropping_ = false;
}

void XmlPartFilter::step(char c)
{
    switch (state_) {
    case State::Text: // only '<' comes here
        startMarkup();
        emit(c);
        state_ = State::Open;
        return;
    case State::Open:
        emit(c);
        if (c == '/' || c == '!' || c == '?') {
            nameEnded(); // no item: handed on as it is
            endTag_ = c == '/';
            state_ = c == '/' ? State::Tag : c == '!' ? State::Bang : State::Instruction;
        } else {
            endTag_ = false;
            state_ = State::StartName;
        }
        return;
    case State::StartName:
        if (!isBlank(c) && c != '/' && c != '>') {
            emit(c);
            if (holding_ && pending_.size() > kNameKept) {
                holding_ = false; // too long to be an item's name: handed on
                out_.append(pending_.data(), static_cast<qsizetype>(pending_.size()));
            }
            return;
        }
        nameEnded();
        state_ = State::Tag;
        [[fallthrough]];
    case State::Tag:
        emit(c);
        if (c == '>') {
            tagEnded();
        } else if (c == '"' || c == '\'') {
            quote_ = c;
            lastInTag_ = c;
            state_ = State::Quoted;
        } else if (!isBlank(c)) {
            lastInTag_ = c;
        }
        return;
    case State::Quoted:
        emit(c);
        if (c == quote_)
            state_ = State::Tag;
        return;
    case State::Bang:
        emit(c);
        runOfMarks_ = 0;
        if (c == '-') {
            state_ = State::Comment;
        } else if (c == '[') {
            state_ = State::CData;
        } else if (depth_ == 0) {
            passThrough_ = true; // a document type declaration: the reader deals with it
        } else {
            state_ = State::Declaration;
        }
        return;
    case State::Comment:
    case State::CData: {
        emit(c);
        const char mark = state_ == State::Comment ? '-' : ']';
        if (c == '>' && runOfMarks_ >= 2) {
            state_ = State::Text;
            tokenSize_ = 0;
        }
        runOfMarks_ = c == mark ? runOfMarks_ + 1 : 0;
        return;
    }
    case State::Declaration:
    case State::Instruction:
        emit(c);
        if (c == '>' && (state_ == State::Declaration || lastInTag_ == '?')) {
            state_ = State::Text;
            tokenSize_ = 0;
        }
        lastInTag_ = c;
        return;
    }
}
