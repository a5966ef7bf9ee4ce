#pragma once
// Pictures of image sequences, read through QImage.

#include "text/DispImg.h"

#include <QImage>

namespace qor {

class QtSequenceImage final : public SequenceImage {
public:
    explicit QtSequenceImage(QImage image) : m_image(std::move(image)) {}
    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
};

class QtImageLoader final : public ImageLoader {
public:
    std::shared_ptr<SequenceImage> load(const std::string& path) override;
};

}  // namespace qor
