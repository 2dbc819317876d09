#include "core/shippedversions.h"

#include <QCryptographicHash>

QByteArrayList shippedVersions(const QString &fileName)
{
    // Quorvelhomicidios.txt and QuorvelFontes.txt: states of 2022, then of 2024, then the
    // figures to the hundredth with feminicides, rapes and police killings of 2024 (their
    // entries stand in QuorvelParametros.txt, after its crimes).
    if (fileName == QLatin1String("Quorvelhomicidios.txt"))
        return {"91a5b9c1d704966c85e156acb7f3aff91fe9ab62a7fd98719c494b9b2776c0c4",
                "c6292ff7f78e267526d29a48417e40dc422231af90d03bafddcd1e6f7cd29a8e",
                "43a207838f6186c0a76acdf8e8d809659c91ea0547bf6edd0ee18c85d3b7f2dc"};
    if (fileName == QLatin1String("QuorvelFontes.txt"))
        return {"f2ac5aecbb33c4429924da8d6ca8c51751d803a7cabd0f2e71abc0c2d12ff1ea",
                "aa7ae34e4a0c509ec15a5edc34d2257a602f792b019ec419ca28de768d002c4e",
                "56f963f76b60c41ab4e6473503796018a4ad1ee5876b782cf993960cd5b075a4"};
    if (fileName == QLatin1String("QuorvelParametros.txt"))
        return {"19fe495a63ae0a80d5af156184380cd05a69cf9af11a0b5bf080dc3c87c5fa03",
                "7ba2bc29fccad1db4ee4121304c70573aac3f20454f70a1144a073e8aa797889"};
    if (fileName == QLatin1String("QuorvelDistribuicao.txt"))
        return {"2275e8151d94400303d514e4f1bec345edb6b8396265ea0af2d227277ff781b3",
                "0b809db2e161cc100da8ab94d55f87d44a292cf0e12eea4863de3d389f368597"};
    return {};
}

QByteArray fileChecksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}
