#include "CommandLine.h"

#include <stdlib.h>
#include <string.h>

const SplitHeap kProcessHeap = {realloc, free};

namespace {

const size_t kArgumentGrowth = 64;
const size_t kArrayGrowth = 16;

// Collects the arguments; on any failed allocation it frees everything it holds.
class Splitter {
public:
    explicit Splitter(const SplitHeap& heap) : m_heap(heap) {}

    bool Store(char c)
    {
        if (m_length + 1 >= m_capacity && !GrowArgument())
            return false;
        m_current[m_length++] = c;
        return true;
    }

    bool HasCharacters() const { return m_length > 0; }

    bool Finish()
    {
        if (m_current == nullptr && !GrowArgument())
            return false;
        if (m_count == m_arrayCapacity && !GrowArray())
            return false;
        m_array[m_count++] = m_current;
        m_current = nullptr;
        m_length = m_capacity = 0;
        return true;
    }

    int Fail()
    {
        m_heap.release(m_current);
        FreeArguments(m_array, m_count, m_heap);
        m_array = nullptr;
        return -1;
    }

    int Done(char*** arguments)
    {
        *arguments = m_array;
        return static_cast<int>(m_count);
    }

private:
    // The buffer is kept zero-filled so the argument is always terminated.
    bool GrowArgument()
    {
        void* grown = m_heap.reallocate(m_current, m_capacity + kArgumentGrowth);
        if (grown == nullptr)
            return false;
        m_current = static_cast<char*>(grown);
        memset(m_current + m_capacity, 0, kArgumentGrowth);
        m_capacity += kArgumentGrowth;
        return true;
    }

    bool GrowArray()
    {
        void* grown = m_heap.reallocate(m_array, (m_arrayCapacity + kArrayGrowth) * sizeof(char*));
        if (grown == nullptr)
            return false;
        m_array = static_cast<char**>(grown);
        m_arrayCapacity += kArrayGrowth;
        return true;
    }

    const SplitHeap& m_heap;
    char* m_current = nullptr;
    size_t m_length = 0;
    size_t m_capacity = 0;
    char** m_array = nullptr;
    size_t m_count = 0;
    size_t m_arrayCapacity = 0;
};

}  // namespace

int SplitCommandLine(const char* text, char*** arguments, LeadByteTest isLeadByte,
                     const SplitHeap& heap)
{
    *arguments = nullptr;
    Splitter splitter(heap);
    bool inQuotes = false;
    size_t length = text == nullptr ? 0 : strlen(text);

    for (size_t i = 0; i <= length; ++i) {
        char c = i < length ? text[i] : '\0';
        bool pastEnd = i == length;
        if (!pastEnd && i + 1 < length && isLeadByte(static_cast<unsigned char>(c))) {
            if (!splitter.Store(c) || !splitter.Store(text[++i]))
                return splitter.Fail();
        } else if (!pastEnd && c == '"') {
            if (!inQuotes)
                inQuotes = true;
            else if (text[i + 1] == ' ')
                inQuotes = false;
        } else if (!pastEnd && (inQuotes || c != ' ')) {
            bool escapedQuote = inQuotes && c == '\\' && text[i + 1] == '"';
            if (!splitter.Store(escapedQuote ? '"' : c))
                return splitter.Fail();
        } else {
            bool afterQuote = i > 0 && text[i - 1] == '"';
            if ((splitter.HasCharacters() || inQuotes || afterQuote) && !splitter.Finish())
                return splitter.Fail();
        }
    }
    return splitter.Done(arguments);
}

void FreeArguments(char** arguments, int count, const SplitHeap& heap)
{
    if (arguments == nullptr)
        return;
    for (int i = 0; i < count; ++i)
        heap.release(arguments[i]);
    heap.release(arguments);
}
