// Every web address the program reaches or opens. The download server keeps the three
// text files under "vm/"; the pages open in the user's browser.
#pragma once

constexpr char kDownloadServer[] = "https://download.velum-project.org/";
constexpr char kVersionFileAddress[] = "https://download.velum-project.org/vm/version.txt";
constexpr char kNewsFileAddress[] = "https://download.velum-project.org/vm/whatsnew.txt";
constexpr char kSiteListFileAddress[] = "https://download.velum-project.org/vm/wpsitelist.txt";

constexpr char kHomePageAddress[] = "https://www.velum-project.org/";
constexpr char kDownloadPageAddress[] = "https://www.velum-project.org/download/";
constexpr char kLanguagePackPageAddress[] = "https://www.velum-project.org/languages/";
constexpr char kFeedbackAddress[] = "mailto:feedback@velum-project.org";
