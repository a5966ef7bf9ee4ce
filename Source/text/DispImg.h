#pragma once
// Image sequences: a drill text that names pictures instead of words.
//
// The file is lines of bytes ending in LF (a CR before the LF is ignored).
// Lines that begin with LF, CR or "/" are skipped; the second line holds
// the marker "QUORLINTH IMAGE FILE". The first line not skipped is the
// background colour "r, g, b" (0..255 each); every further one is a picture:
// "path,field2,xcode,ycode,milliseconds,field6", the path relative to the
// shared-support folder, "\" read as "/".
//
// A line longer than 300 bytes, a line lacking a field, and a path that is
// absolute or climbs out with ".." are dropped whole; colour values are
// held within 0..255.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

inline constexpr std::string_view kImageFileMarker = "QUORLINTH IMAGE FILE";
inline constexpr size_t kImageLineMax = 300;

// A loaded picture; the platform's image object stands behind it.
class SequenceImage {
public:
    virtual ~SequenceImage() = default;
    virtual int width() const = 0;   // points, whole
    virtual int height() const = 0;
};

// Loads pictures from files (the Qt one in the display's ui folder).
class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // Null when the file cannot be read as an image.
    virtual std::shared_ptr<SequenceImage> load(const std::string& path) = 0;
};

struct ImgDef {
    std::shared_ptr<SequenceImage> image;  // null when the file could not be read
    std::string path;                      // the full path the image came from
    int32_t width = 0;
    int32_t height = 0;
    int32_t field2 = 0;
    int32_t xCode = 0;
    int32_t yCode = 0;
    int32_t duration = 0;  // milliseconds on screen
    int32_t field6 = 0;
    uint16_t red = 0, green = 0, blue = 0;  // 0..65535 (the 0..255 value × 257)
};

struct ImgPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Whether the drill text "<external>/DrillText/<set>/<name>.txt" is an image
// sequence: it opens, has two lines, and the second holds the marker. The
// set and name are UTF-8 and must be valid names.
bool isGraphicsFileFromSet(const std::string& externalFolder, std::string_view set, std::string_view name);

class DispImg {
public:
    DispImg() = default;

    // Reads the drill text of the set and appends its pictures, loaded from
    // below the shared-support folder. False when the file cannot be opened
    // (the list is unchanged).
    bool loadImgFromSet(const std::string& externalFolder, const std::string& sharedSupport, std::string_view set,
                        std::string_view name, ImageLoader& loader);
    // Appends the pictures of the file's bytes (at most the first
    // kMaxFileBytes are read). Returns the number of lines dropped.
    int parse(std::string_view bytes, const std::string& sharedSupport, ImageLoader& loader);

    size_t count() const { return m_ImgDefList.size(); }
    bool empty() const { return m_ImgDefList.empty(); }
    const std::vector<ImgDef>& list() const { return m_ImgDefList; }
    int currentIndex() const { return m_currentImage; }
    // The current picture; null when the list is empty.
    const ImgDef* getCurrentImage() const;
    // Moves to the next picture; false (staying) on the last one or when
    // the list is empty.
    bool incrementImage();
    // Moves forward past pictures larger than a view of the size; false when
    // none from the current one on fits (the last one stays current).
    bool skipPicturesLargerThan(float viewWidth, float viewHeight);
    // Whether the current picture fits a view of the size.
    bool currentFits(float viewWidth, float viewHeight) const;
    // The top-left corner of the current picture in a view of the size.
    ImgPoint getPt(float viewWidth, float viewHeight) const;

    // The file's background colour (0..65535 components), black until read.
    uint16_t backRed() const { return m_red; }
    uint16_t backGreen() const { return m_green; }
    uint16_t backBlue() const { return m_blue; }
    bool hasBackground() const { return m_bHaveBackground; }

    static constexpr size_t kMaxFileBytes = 4u << 20;

private:
    std::vector<ImgDef> m_ImgDefList;
    int m_currentImage = 0;
    uint16_t m_red = 0, m_green = 0, m_blue = 0;
    bool m_bHaveBackground = false;
};

// The place along one axis for a position code (view size and picture size
// in whole points).
int32_t placeForCode(int32_t code, int32_t view, int32_t picture);

// The path of a picture line, "\" turned into "/", or "" when it is empty,
// absolute, or has a ".." component.
std::string cleanPicturePath(std::string_view field);

}  // namespace qor
