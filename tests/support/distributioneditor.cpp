#include "distributioneditor.h"

#include "testfiles.h"

DistributionEditor::DistributionEditor(const QByteArray &initial, bool create)
{
    if (create)
        writeBytes(path(), initial);
    load();
}

QString DistributionEditor::path() const
{
    return dir.filePath(QStringLiteral("QuorvelDistribuicao.txt"));
}

QByteArray DistributionEditor::bytes() const
{
    return readBytes(path());
}

void DistributionEditor::load(const QString &at)
{
    model = std::make_unique<DistributionModel>(at.isEmpty() ? path() : at, cues);
    model->setProgramDirectory(dir.path()); // the file lies beside the program, as shipped
    sound.clear();
}

void DistributionEditor::type(const QString &name, int position, const QStringList &values)
{
    model->setTipo(name);
    model->setSL1(position);
    for (int i = 0; i < values.size(); ++i)
        model->setQuantidade(i, values[i]);
}

QStringList DistributionEditor::cells(int count) const
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << model->Quantidade(i);
    return texts;
}

QStringList DistributionEditor::percentages(int count) const
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << model->Percentual(i);
    return texts;
}
