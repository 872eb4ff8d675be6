#pragma once
// WMF and EMF pictures: natural size from their headers, drawing by playing their records.

#include "imaging/pictureformat.h"

std::unique_ptr<TPictureData> OpenWmf(const QByteArray &bytes);
std::unique_ptr<TPictureData> OpenEmf(const QByteArray &bytes);
