#include "chart/views/image/SECJpeg.h"

#include "native/JpegCodec.h"

#include <cstring>

IMPLEMENT_SERIAL(SECJpeg, SECImage, 1)

namespace {

// Runs a file call from inside the codec's callbacks, through which nothing may throw: a CException*
// becomes false.
template <class F>
bool CallFile(F fnCall) noexcept
{
    try {
        fnCall();
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
}

} // namespace

SECJpeg::SECJpeg() : m_bQuantize(m_wDstColors != 0), m_nQuality(75) {}

SECJpeg::~SECJpeg() = default;

BOOL SECJpeg::DoLoadImage(CFile* pFile)
{
    class FileInput : public JpegInput {
    public:
        explicit FileInput(CFile* pFile) : m_pFile(pFile) {}
        bool Read(uint8_t* buffer, size_t size, size_t* got) noexcept override
        {
            return CallFile([&] { *got = m_pFile->Read(buffer, UINT(size)); });
        }

    private:
        CFile* m_pFile;
    };

    // Codec rows run top-down in red, green, blue; the image's rows bottom-up in blue, green, red.
    class ImageSink : public JpegPixelSink {
    public:
        explicit ImageSink(SECJpeg& image) : m_image(image) {}
        bool Begin(const JpegFrame& frame) noexcept override
        {
            m_frame = frame;
            if (frame.components != 1 && (frame.quantised || frame.components != 3))
                return false;
            return m_image.NewImage(DWORD(frame.width), DWORD(frame.height), frame.quantised ? 8 : 24);
        }
        void Row(int y, const uint8_t* row) noexcept override
        {
            BYTE* pDst = m_image.m_lpSrcBits + (m_image.m_dwHeight - 1 - DWORD(y)) * m_image.GetPaddedRowBytes();
            if (m_frame.quantised) {
                std::memcpy(pDst, row, size_t(m_frame.width));
                return;
            }
            for (int x = 0; x < m_frame.width; ++x, pDst += 3) {
                const uint8_t* p = row + x * m_frame.components;
                pDst[0] = p[m_frame.components == 3 ? 2 : 0];
                pDst[1] = p[m_frame.components == 3 ? 1 : 0];
                pDst[2] = p[0];
            }
        }
        void Palette(const uint8_t* red, const uint8_t* green, const uint8_t* blue, int count) noexcept override
        {
            for (int i = 0; i < count; ++i) {
                m_image.m_lpRGB[i].rgbRed = red[i];
                m_image.m_lpRGB[i].rgbGreen = green[i];
                m_image.m_lpRGB[i].rgbBlue = blue[i];
            }
            m_image.m_lpBMI->bmiHeader.biClrUsed = DWORD(count);
        }

    private:
        SECJpeg& m_image;
        JpegFrame m_frame = {};
    };

    FileInput input(pFile);
    ImageSink sink(*this);
    return DecodeJpeg(input, m_bQuantize != FALSE, sink);
}

BOOL SECJpeg::DoSaveImage(CFile* pFile)
{
    class FileOutput : public JpegOutput {
    public:
        explicit FileOutput(CFile* pFile) : m_pFile(pFile) {}
        bool Write(const uint8_t* bytes, size_t size) noexcept override
        {
            return CallFile([&] { m_pFile->Write(bytes, UINT(size)); });
        }
        bool Flush() noexcept override
        {
            return CallFile([&] { m_pFile->Flush(); });
        }

    private:
        CFile* m_pFile;
    };

    // Rows handed to the codec top-down in red, green, blue.
    class ImageSource : public JpegPixelSource {
    public:
        explicit ImageSource(const SECJpeg& image) : m_image(image) {}
        void Row(int y, uint8_t* row) noexcept override
        {
            const BYTE* pSrc =
                m_image.m_lpSrcBits + (m_image.m_dwHeight - 1 - DWORD(y)) * m_image.GetPaddedRowBytes();
            for (DWORD x = 0; x < m_image.m_dwWidth; ++x, row += 3) {
                if (m_image.m_nSrcBitsPerPixel == 24) {
                    row[0] = pSrc[3 * x + 2];
                    row[1] = pSrc[3 * x + 1];
                    row[2] = pSrc[3 * x];
                } else {
                    const RGBQUAD& c = m_image.m_lpRGB[m_image.GetPixelValue(pSrc, x, m_image.m_bMSBFirst)];
                    row[0] = c.rgbRed;
                    row[1] = c.rgbGreen;
                    row[2] = c.rgbBlue;
                }
            }
        }

    private:
        const SECJpeg& m_image;
    };

    const WORD nBits = m_nSrcBitsPerPixel;
    if (m_lpSrcBits == nullptr || (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24))
        return FALSE;
    Padbits();
    FileOutput output(pFile);
    ImageSource source(*this);
    return EncodeJpeg(output, int(m_dwWidth), int(m_dwHeight), m_nQuality, source);
}
