#include "shell/LexamoHelp.h"
#include "tests/help/HelpTestSupport.h"

#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpEngineCore>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// F1 in a dialog asks for the identifier of its template; the collection must
// lead each of them to the page about that dialog.
TEST(HelpCollection, EachDialogsContextTopicOpensThePageAboutIt)
{
    struct Case {
        int templateId;
        const char* page;
        const char* heading;
    };
    const Case cases[] = {
        {102, "hauptmenue.html", "Zeit und Lektionen wählen"},
        {103, "abfrage.html", "Die Verbenabfrage"},
        {104, "ergebnis.html", "Das Ergebnis"},
        {120, "info.html", "Info über Lexamo"},
    };
    const auto engine = OpenBuiltCollection();
    ASSERT_TRUE(engine) << "cannot open " LEXAMO_BUILD_DIR "/lexamo.qhc";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        const QList<QHelpLink> links = engine->documentsForIdentifier(LexamoHelp::ContextIdentifier(c.templateId));
        ASSERT_EQ(links.size(), 1);
        EXPECT_EQ(links.front().url.fileName(), QString::fromUtf8(c.page));
        const QString text = QString::fromUtf8(engine->fileData(links.front().url));
        EXPECT_TRUE(text.contains(QStringLiteral("<h1>%1</h1>").arg(QString::fromUtf8(c.heading))));
    }
}

// A link is sound when its page is in the collection and, if it names an
// anchor, the page has that anchor.
void ExpectLinkResolves(const QHelpEngineCore& engine, const QUrl& link, const QString& from)
{
    SCOPED_TRACE(from.toStdString() + " -> " + link.toString().toStdString());
    QUrl page = link;
    page.setFragment(QString());
    const QByteArray data = engine.fileData(page);
    ASSERT_FALSE(data.isEmpty());
    if (link.hasFragment()) {
        EXPECT_TRUE(data.contains(QStringLiteral("name=\"%1\"").arg(link.fragment()).toUtf8()));
    }
}

void CollectContents(const QHelpContentItem* item, QList<QHelpContentItem const*>& out)
{
    out.append(item);
    for (int i = 0; i < item->childCount(); ++i)
        CollectContents(item->child(i), out);
}

// Contents, index and the links between pages all lead somewhere, and every
// page can be reached from the contents.
TEST(HelpCollection, ContentsIndexAndPageLinksAllLeadToExistingPages)
{
    QHelpEngine engine(QStringLiteral(LEXAMO_BUILD_DIR "/lexamo.qhc"));
    engine.setReadOnly(true);
    QSignalSpy contentsDone(engine.contentModel(), &QHelpContentModel::contentsCreated);
    QSignalSpy indexDone(engine.indexModel(), &QHelpIndexModel::indexCreated);
    ASSERT_TRUE(engine.setupData());
    engine.contentModel()->createContents(QString());
    engine.indexModel()->createIndex(QString());
    ASSERT_TRUE(WaitFor([&] { return !contentsDone.isEmpty() && !indexDone.isEmpty(); }));

    const QStringList namespaces = engine.registeredDocumentations();
    ASSERT_EQ(namespaces.size(), 1);
    const QList<QUrl> pages = engine.files(namespaces.front(), QString(), QStringLiteral("html"));
    ASSERT_GE(pages.size(), 8);

    QSet<QString> pagesInContents;
    QList<QHelpContentItem const*> contents;
    QHelpContentModel* model = engine.contentModel();
    for (int row = 0; row < model->rowCount(); ++row)
        CollectContents(model->contentItemAt(model->index(row, 0)), contents);
    for (const QHelpContentItem* item : contents) {
        ExpectLinkResolves(engine, item->url(), QStringLiteral("contents: ") + item->title());
        pagesInContents.insert(item->url().adjusted(QUrl::RemoveFragment).toString());
    }
    for (const QUrl& page : pages)
        EXPECT_TRUE(pagesInContents.contains(page.toString())) << page.toString().toStdString() << " is not in the contents";

    const QStringList keywords = engine.indexModel()->stringList();
    EXPECT_GE(keywords.size(), 4);
    for (const QString& keyword : keywords) {
        const QList<QHelpLink> links = engine.documentsForKeyword(keyword);
        EXPECT_FALSE(links.isEmpty()) << keyword.toStdString();
        for (const QHelpLink& link : links)
            ExpectLinkResolves(engine, link.url, QStringLiteral("index: ") + keyword);
    }

    static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
    for (const QUrl& page : pages) {
        const QString text = QString::fromUtf8(engine.fileData(page));
        for (const QRegularExpressionMatch& m : href.globalMatch(text)) {
            const QUrl target(m.captured(1));
            if (target.scheme().isEmpty())
                ExpectLinkResolves(engine, page.resolved(target), page.fileName());
        }
    }
}

}  // namespace
