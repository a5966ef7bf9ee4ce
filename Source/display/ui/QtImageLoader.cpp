#include "display/ui/QtImageLoader.h"

#include <QString>

namespace qor {

std::shared_ptr<SequenceImage> QtImageLoader::load(const std::string& path)
{
    QImage image;
    if (!image.load(QString::fromStdString(path)) || image.isNull())
        return nullptr;
    return std::make_shared<QtSequenceImage>(std::move(image));
}

}  // namespace qor
