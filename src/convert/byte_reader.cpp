// ByteReader: bounded reads from a file or from memory.
#include "convert/byte_reader.h"

#include <cstring>

#include "framework/file_system.h"

namespace zandrel {

ByteReader::ByteReader(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}

ByteReader::~ByteReader()
{
    Close();
}

bool ByteReader::OpenFile(const CString& strPath, int* pnError)
{
    Close();
    m_pFile = OpenFileForReading(strPath, pnError);
    if (!m_pFile)
        return false;
    const std::int64_t nSize = MeasureFile(m_pFile);
    if (nSize < 0) {
        if (pnError)
            *pnError = 0;
        Close();
        return false;
    }
    m_nSize = static_cast<std::uint64_t>(nSize);
    return true;
}

void ByteReader::Close()
{
    if (m_pFile)
        std::fclose(m_pFile);
    m_pFile = nullptr;
    m_pData = nullptr;
    m_nSize = 0;
    m_nPosition = 0;
}

bool ByteReader::Read(void* pDst, std::size_t nCount)
{
    if (nCount > Remaining())
        return false;
    if (m_pData) {
        std::memcpy(pDst, m_pData + m_nPosition, nCount);
    } else if (!m_pFile || std::fread(pDst, 1, nCount, m_pFile) != nCount) {
        return false;
    }
    m_nPosition += nCount;
    return true;
}

bool ByteReader::SkipTo(std::uint64_t nOffset)
{
    if (nOffset < m_nPosition || nOffset > m_nSize)
        return false;
    if (m_pFile) {
        // Forward skips are short (gaps before pixel data): read through them
        // rather than seek, which keeps the stream position and ours in step.
        unsigned char scratch[4096];
        while (m_nPosition < nOffset) {
            const std::size_t nChunk = static_cast<std::size_t>(
                nOffset - m_nPosition < sizeof scratch ? nOffset - m_nPosition : sizeof scratch);
            if (std::fread(scratch, 1, nChunk, m_pFile) != nChunk)
                return false;
            m_nPosition += nChunk;
        }
        return true;
    }
    m_nPosition = nOffset;
    return true;
}

}  // namespace zandrel
