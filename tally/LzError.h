#pragma once
// Failures of the file compression component and of its two coding engines.
// Each carries one fixed English message; the caller decides whether to show it.
#include <QString>

#include <stdexcept>

// Common base so a caller can catch every coding failure in one place.
class LzError : public std::runtime_error {
public:
    explicit LzError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Raised by the file component `Tlzrw1` (files, container, sizes).
class ELzrw1Exception : public LzError {
public:
    using LzError::LzError;
};

// Raised by the block coder `TLZR`.
class ELzrw1KHCompressor : public LzError {
public:
    using LzError::LzError;
};

// Raised by the adaptive Huffman coder `TLZH`.
class ElzhException : public LzError {
public:
    using LzError::LzError;
};
