#include "bench/MillionRecords.h"

#include "dictionary/Dictionary.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

const MillionRecords& MillionRecords::Get()
{
    static MillionRecords records;
    return records;
}

MillionRecords::MillionRecords()
{
    m_path = (std::filesystem::temp_directory_path()
              / ("wordlumo-bench-" + std::to_string(std::random_device{}()) + ".dat")).string();
    FILE* file = std::fopen(m_path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot create " + m_path);
    std::mt19937 random(20260101);   // the same file on every run
    std::uniform_int_distribution<int> wordLength(3, 14);
    std::uniform_int_distribution<int> translationLength(8, 40);
    std::uniform_int_distribution<int> latin('a', 'y');
    std::uniform_int_distribution<int> cyrillic(0xE0, 0xFF);
    CDictionary writer;
    std::string word, translation;
    for (int i = 0; i < COUNT; ++i) {
        word.assign(static_cast<std::size_t>(wordLength(random)), ' ');
        for (char& c : word)
            c = static_cast<char>(latin(random));
        translation.assign(static_cast<std::size_t>(translationLength(random)), ' ');
        for (char& c : translation)
            c = static_cast<char>(cyrillic(random));
        if (i == 0) {
            m_missing = word;
            m_missing.back() = 'z';   // no generated word holds a 'z'
        }
        writer.WriteRecord(WordPair(word.c_str(), translation.c_str()), file);
    }
    std::fclose(file);
}

MillionRecords::~MillionRecords()
{
    std::remove(m_path.c_str());
}
