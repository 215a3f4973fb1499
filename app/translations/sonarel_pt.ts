<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Command</name>
    <message>
        <source>&amp;New Client...</source>
        <translation>&amp;Novo cliente...</translation>
    </message>
    <message>
        <source>Create a new Client</source>
        <translation>Criar um novo cliente</translation>
    </message>
    <message>
        <source>&amp;Clients...</source>
        <translation>&amp;Clientes...</translation>
    </message>
    <message>
        <source>Show a Client list</source>
        <translation>Mostrar a lista de clientes</translation>
    </message>
    <message>
        <source>&amp;Personal Information...</source>
        <translation>Dados &amp;pessoais...</translation>
    </message>
    <message>
        <source>Verify/Edit Personal Information</source>
        <translation>Verificar ou editar os dados pessoais</translation>
    </message>
    <message>
        <source>&amp;Files...</source>
        <translation>&amp;Arquivos...</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>&amp;Delete Files...</source>
        <translation>&amp;Excluir arquivos...</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Excluir arquivos</translation>
    </message>
    <message>
        <source>&amp;Backup...</source>
        <translation>Cópia de &amp;segurança...</translation>
    </message>
    <message>
        <source>Copy the client register to a backup folder</source>
        <translation>Copiar o cadastro de clientes para uma pasta de backup</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurar...</translation>
    </message>
    <message>
        <source>Restore the client register from a backup folder</source>
        <translation>Restaurar o cadastro de clientes a partir de uma pasta de backup</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Open a sound file from outside a client folder</source>
        <translation>Abrir um arquivo de som que está fora das pastas de clientes</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Close the sound file</source>
        <translation>Fechar o arquivo de som</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the chosen screens</source>
        <translation>Imprimir as telas escolhidas</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Mostrar as páginas como serão impressas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Quit Sonarel</source>
        <translation>Sair do Sonarel</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>Play the sound file or the marked stretch</source>
        <translation>Reproduzir o arquivo de som ou o trecho marcado</translation>
    </message>
    <message>
        <source>Record a &amp;Voice Analysis File...</source>
        <translation>Gravar um arquivo de análise de &amp;voz...</translation>
    </message>
    <message>
        <source>Record a Voice Analysis File</source>
        <translation>Gravar um arquivo de análise de voz</translation>
    </message>
    <message>
        <source>Record a Vocal &amp;Quality File...</source>
        <translation>Gravar um arquivo de &amp;qualidade vocal...</translation>
    </message>
    <message>
        <source>Record a Vocal Quality File</source>
        <translation>Gravar um arquivo de qualidade vocal</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Import an outside sound file into the client folder</source>
        <translation>Importar um arquivo de som externo para a pasta do cliente</translation>
    </message>
    <message>
        <source>Vo&amp;lume...</source>
        <translation>Vo&amp;lume...</translation>
    </message>
    <message>
        <source>Playback and record volume</source>
        <translation>Volume de reprodução e de gravação</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfazer a última alteração</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the marked stretch</source>
        <translation>Recortar o trecho marcado</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the marked stretch</source>
        <translation>Copiar o trecho marcado</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste the copied stretch</source>
        <translation>Colar o trecho copiado</translation>
    </message>
    <message>
        <source>&amp;Silence</source>
        <translation>&amp;Silenciar</translation>
    </message>
    <message>
        <source>Silence the marked stretch</source>
        <translation>Silenciar o trecho marcado</translation>
    </message>
    <message>
        <source>&amp;Amplify Volume...</source>
        <translation>&amp;Amplificar volume...</translation>
    </message>
    <message>
        <source>Amplify the marked stretch</source>
        <translation>Amplificar o trecho marcado</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>Select all sound file</source>
        <translation>Selecionar todo o arquivo de som</translation>
    </message>
    <message>
        <source>&amp;Zoom +</source>
        <translation>&amp;Zoom +</translation>
    </message>
    <message>
        <source>Zoom into the marked stretch, or back out</source>
        <translation>Ampliar o trecho marcado ou voltar à gravação inteira</translation>
    </message>
    <message>
        <source>Sa&amp;ve Changes</source>
        <translation>Sal&amp;var alterações</translation>
    </message>
    <message>
        <source>Save the changed sound file</source>
        <translation>Salvar o arquivo de som alterado</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>Sinal de áudio</translation>
    </message>
    <message>
        <source>Show the audio signal</source>
        <translation>Mostrar o sinal de áudio</translation>
    </message>
    <message>
        <source>Fundamental Frequency (F0)</source>
        <translation>Frequência fundamental (F0)</translation>
    </message>
    <message>
        <source>Show the F0 contour</source>
        <translation>Mostrar a curva de F0</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Show the intensity contour</source>
        <translation>Mostrar a curva de intensidade</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 e intensidade</translation>
    </message>
    <message>
        <source>Show F0 and intensity together</source>
        <translation>Mostrar F0 e intensidade juntas</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Show the F0 histogram</source>
        <translation>Mostrar o histograma de F0</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Show the statistics of F0 and intensity</source>
        <translation>Mostrar as estatísticas de F0 e intensidade</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>Show the power spectrum</source>
        <translation>Mostrar o espectro de potência</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source>Show the LPC spectrum</source>
        <translation>Mostrar o espectro LPC</translation>
    </message>
    <message>
        <source>Power Spectrum and LPC</source>
        <translation>Espectro de potência e LPC</translation>
    </message>
    <message>
        <source>Show the power and LPC spectra</source>
        <translation>Mostrar os espectros de potência e LPC</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Show the spectrogram</source>
        <translation>Mostrar o espectrograma</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>Espectrograma - Amplitude</translation>
    </message>
    <message>
        <source>Show the spectrogram with the amplitude</source>
        <translation>Mostrar o espectrograma com a amplitude</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espaço vocálico</translation>
    </message>
    <message>
        <source>Show the vowel space</source>
        <translation>Mostrar o espaço vocálico</translation>
    </message>
    <message>
        <source>Calculate Intensity</source>
        <translation>Calcular intensidade</translation>
    </message>
    <message>
        <source>Recompute the intensity contour</source>
        <translation>Recalcular a curva de intensidade</translation>
    </message>
    <message>
        <source>Export F0 to Text File...</source>
        <translation>Exportar F0 para arquivo de texto...</translation>
    </message>
    <message>
        <source>Save the F0 contour as text</source>
        <translation>Salvar a curva de F0 como texto</translation>
    </message>
    <message>
        <source>Export Intensity to Text File...</source>
        <translation>Exportar intensidade para arquivo de texto...</translation>
    </message>
    <message>
        <source>Save the intensity contour as text</source>
        <translation>Salvar a curva de intensidade como texto</translation>
    </message>
    <message>
        <source>Export Statistics to Text File...</source>
        <translation>Exportar estatísticas para arquivo de texto...</translation>
    </message>
    <message>
        <source>Save the statistics as text</source>
        <translation>Salvar as estatísticas como texto</translation>
    </message>
    <message>
        <source>Vocal Analysis Data (Statistics)</source>
        <translation>Dados da análise vocal (estatísticas)</translation>
    </message>
    <message>
        <source>Show the vocal analysis data</source>
        <translation>Mostrar os dados da análise vocal</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desvio fonatório</translation>
    </message>
    <message>
        <source>Show the phonatory deviation diagram</source>
        <translation>Mostrar o diagrama de desvio fonatório</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity and F0</source>
        <translation>Espectrograma, intensidade e F0</translation>
    </message>
    <message>
        <source>Show the spectrogram with intensity and F0</source>
        <translation>Mostrar o espectrograma com a intensidade e a F0</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Show the follow-up diagram</source>
        <translation>Mostrar o diagrama de acompanhamento</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Adicionar arquivo...</translation>
    </message>
    <message>
        <source>Add a recording to the follow-up</source>
        <translation>Adicionar uma gravação ao acompanhamento</translation>
    </message>
    <message>
        <source>Remove File...</source>
        <translation>Remover arquivo...</translation>
    </message>
    <message>
        <source>Remove a recording from the follow-up</source>
        <translation>Remover uma gravação do acompanhamento</translation>
    </message>
    <message>
        <source>Clean All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Empty the follow-up</source>
        <translation>Esvaziar o acompanhamento</translation>
    </message>
    <message>
        <source>Configure Fundamental Frequency...</source>
        <translation>Configurar frequência fundamental...</translation>
    </message>
    <message>
        <source>Configure F0</source>
        <translation>Configurar F0</translation>
    </message>
    <message>
        <source>Configure Intensity...</source>
        <translation>Configurar intensidade...</translation>
    </message>
    <message>
        <source>Configure Intensity</source>
        <translation>Configurar intensidade</translation>
    </message>
    <message>
        <source>Wide  (300 Hz)</source>
        <translation>Larga (300 Hz)</translation>
    </message>
    <message>
        <source>Spectrogram band</source>
        <translation>Banda do espectrograma</translation>
    </message>
    <message>
        <source>Middle (55 Hz)</source>
        <translation>Média (55 Hz)</translation>
    </message>
    <message>
        <source>Narrow(25 Hz)</source>
        <translation>Estreita (25 Hz)</translation>
    </message>
    <message>
        <source>Black and White</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Spectrogram in grey</source>
        <translation>Espectrograma em tons de cinza</translation>
    </message>
    <message>
        <source>Configure Vowel Space...</source>
        <translation>Configurar espaço vocálico...</translation>
    </message>
    <message>
        <source>Configure Vowel Space</source>
        <translation>Configurar espaço vocálico</translation>
    </message>
    <message>
        <source>Record...</source>
        <translation>Gravação...</translation>
    </message>
    <message>
        <source>Configure Record Input</source>
        <translation>Configurar a entrada de gravação</translation>
    </message>
    <message>
        <source>Conf USB...</source>
        <translation>Config. USB...</translation>
    </message>
    <message>
        <source>USB adapter settings</source>
        <translation>Configurações do adaptador USB</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Show Sonarel in English</source>
        <translation>Exibir o Sonarel em inglês</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Show Sonarel in Spanish</source>
        <translation>Exibir o Sonarel em espanhol</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Show Sonarel in Korean</source>
        <translation>Exibir o Sonarel em coreano</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Show Sonarel in Portuguese</source>
        <translation>Exibir o Sonarel em português</translation>
    </message>
    <message>
        <source>Play with the audio signal</source>
        <translation>Reproduzir com o sinal de áudio</translation>
    </message>
    <message>
        <source>Play with the spectrogram</source>
        <translation>Reproduzir com o espectrograma</translation>
    </message>
    <message>
        <source>Play with the F0 contour</source>
        <translation>Reproduzir com a curva de F0</translation>
    </message>
    <message>
        <source>Play with the intensity</source>
        <translation>Reproduzir com a intensidade</translation>
    </message>
    <message>
        <source>Play with F0 and intensity</source>
        <translation>Reproduzir com F0 e intensidade</translation>
    </message>
    <message>
        <source>Play with the power spectrum</source>
        <translation>Reproduzir com o espectro de potência</translation>
    </message>
    <message>
        <source>Play with the LPC spectrum</source>
        <translation>Reproduzir com o espectro LPC</translation>
    </message>
    <message>
        <source>Play with the vowel space</source>
        <translation>Reproduzir com o espaço vocálico</translation>
    </message>
    <message>
        <source>Play with the spectrogram and amplitude</source>
        <translation>Reproduzir com o espectrograma e a amplitude</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Comparar com arquivo...</translation>
    </message>
    <message>
        <source>Compare with another file of the client</source>
        <translation>Comparar com outro arquivo do cliente</translation>
    </message>
    <message>
        <source>Open Model...</source>
        <translation>Abrir modelo...</translation>
    </message>
    <message>
        <source>Compare with a model recording</source>
        <translation>Comparar com uma gravação modelo</translation>
    </message>
    <message>
        <source>Save as a Model...</source>
        <translation>Salvar como modelo...</translation>
    </message>
    <message>
        <source>Save the open file as a model</source>
        <translation>Salvar o arquivo aberto como modelo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation>Fechar a comparação</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Abrir a ajuda</translation>
    </message>
    <message>
        <source>&amp;About Sonarel...</source>
        <translation>&amp;Sobre o Sonarel...</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informações do programa</translation>
    </message>
    <message>
        <source>&amp;Client</source>
        <translation>&amp;Cliente</translation>
    </message>
    <message>
        <source>A&amp;udio</source>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>A&amp;nalysis</source>
        <translation>A&amp;nálise</translation>
    </message>
    <message>
        <source>&amp;Follow up</source>
        <translation>Acom&amp;panhamento</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Con&amp;figurações</translation>
    </message>
    <message>
        <source>&amp;Real-Time</source>
        <translation>&amp;Tempo real</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Configure Power Spectrum...</source>
        <translation>Configurar espectro de potência...</translation>
    </message>
    <message>
        <source>Transform size and window of the power spectrum</source>
        <translation>Tamanho da transformada e janela do espectro de potência</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum...</source>
        <translation>Configurar espectro LPC...</translation>
    </message>
    <message>
        <source>Order and window of the LPC spectrum</source>
        <translation>Ordem e janela do espectro LPC</translation>
    </message>
    <message>
        <source>Dele&amp;te Client...</source>
        <translation>Exclui&amp;r cliente...</translation>
    </message>
    <message>
        <source>Delete the current client</source>
        <translation>Excluir o cliente atual</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Gravar...</translation>
    </message>
    <message>
        <source>Record the open client file</source>
        <translation>Gravar o arquivo aberto do cliente</translation>
    </message>
    <message>
        <source>Play the marked stretch</source>
        <translation>Reproduzir o trecho marcado</translation>
    </message>
    <message>
        <source>Export Report as PDF...</source>
        <translation>Exportar relatório como PDF...</translation>
    </message>
    <message>
        <source>Write the chosen screens to a PDF file</source>
        <translation>Gravar as telas escolhidas num arquivo PDF</translation>
    </message>
    <message>
        <source>Edit &amp;Notes...</source>
        <translation>Editar &amp;notas...</translation>
    </message>
    <message>
        <source>Edit the notes of the open file</source>
        <translation>Editar as notas do arquivo aberto</translation>
    </message>
    <message>
        <source>Open the Demo Register</source>
        <translation>Abrir o registro de demonstração</translation>
    </message>
    <message>
        <source>Open a register of example clients in a new window</source>
        <translation>Abrir um registro de clientes de exemplo em uma nova janela</translation>
    </message>
    <message>
        <source>Play the comparison recording</source>
        <translation>Reproduzir a gravação de comparação</translation>
    </message>
    <message>
        <source>Zoom the comparison into its marked stretch, or out</source>
        <translation>Ampliar a comparação no trecho marcado, ou reduzi-la</translation>
    </message>
    <message>
        <source>Clinical Measures (CPPS, HNR, AVQI)</source>
        <translation>Medidas clínicas (CPPS, HNR, AVQI)</translation>
    </message>
    <message>
        <source>Show CPPS, HNR, shimmer and AVQI with their normal limits</source>
        <translation>Mostrar CPPS, HNR, shimmer e AVQI com seus limites normais</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>F0 (Hz)</source>
        <translation>F0 (Hz)</translation>
    </message>
    <message>
        <source>Intensity (dB)</source>
        <translation>Intensidade (dB)</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>(from %.2fs to %.2fs)</source>
        <translation>(de %.2fs a %.2fs)</translation>
    </message>
    <message>
        <source>Mode </source>
        <translation>Moda </translation>
    </message>
    <message>
        <source>Average </source>
        <translation>Média </translation>
    </message>
    <message>
        <source>Min </source>
        <translation>Mín. </translation>
    </message>
    <message>
        <source>Max </source>
        <translation>Máx. </translation>
    </message>
    <message>
        <source>SD </source>
        <translation>DP </translation>
    </message>
    <message>
        <source>Average  Intensity:</source>
        <translation>Intensidade média:</translation>
    </message>
    <message>
        <source>Min. Intensity:</source>
        <translation>Intensidade mín.:</translation>
    </message>
    <message>
        <source>Max. Intensity:</source>
        <translation>Intensidade máx.:</translation>
    </message>
    <message>
        <source>SD Intensity:</source>
        <translation>DP da intensidade:</translation>
    </message>
    <message>
        <source>Percent Voiced Time: </source>
        <translation>Porcentagem de tempo sonoro: </translation>
    </message>
    <message>
        <source>Percent Voiceless Time: </source>
        <translation>Porcentagem de tempo surdo: </translation>
    </message>
    <message>
        <source>Percent Speech Time:</source>
        <translation>Porcentagem de tempo de fala:</translation>
    </message>
    <message>
        <source>Percent Silence Time:</source>
        <translation>Porcentagem de tempo de silêncio:</translation>
    </message>
    <message>
        <source>Variability </source>
        <translation>Variabilidade </translation>
    </message>
    <message>
        <source>%d semitone</source>
        <translation>%d semitom</translation>
    </message>
    <message>
        <source>Choose a display in the Analysis menu or on the tool bar.</source>
        <translation>Escolha uma visualização no menu Análise ou na barra de ferramentas.</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espaço vocálico</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>Wide Band</source>
        <translation>Banda larga</translation>
    </message>
    <message>
        <source>Middle Band</source>
        <translation>Banda média</translation>
    </message>
    <message>
        <source>Narrow Band</source>
        <translation>Banda estreita</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desvio fonatório</translation>
    </message>
    <message>
        <source>Irregularity (Jitter, Shimmer, Correlation)</source>
        <translation>Irregularidade (jitter, shimmer, correlação)</translation>
    </message>
    <message>
        <source>Noise (GNE)</source>
        <translation>Ruído (GNE)</translation>
    </message>
    <message>
        <source>Göttingen Hoarseness Diagram</source>
        <translation>Diagrama de rouquidão de Göttingen</translation>
    </message>
    <message>
        <source>File: %1 Date: %2</source>
        <translation>Arquivo: %1 Data: %2</translation>
    </message>
    <message>
        <source>Noise %.2f Irr. %.2f</source>
        <translation>Ruído %.2f Irr. %.2f</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>DP:</translation>
    </message>
    <message>
        <source>Jitter  (PPQ): </source>
        <translation>Jitter  (PPQ): </translation>
    </message>
    <message>
        <source>Irregularity:</source>
        <translation>Irregularidade:</translation>
    </message>
    <message>
        <source>Shimmer (EPQ): </source>
        <translation>Shimmer (EPQ): </translation>
    </message>
    <message>
        <source>Correlation:</source>
        <translation>Correlação:</translation>
    </message>
    <message>
        <source>GNE:</source>
        <translation>GNE:</translation>
    </message>
    <message>
        <source>Noise:</source>
        <translation>Ruído:</translation>
    </message>
    <message>
        <source> (Hz)</source>
        <translation> (Hz)</translation>
    </message>
    <message>
        <source>Clinical measures of the sustained vowel</source>
        <translation>Medidas clínicas da vogal sustentada</translation>
    </message>
    <message>
        <source>AVQI (version 03.01)</source>
        <translation>AVQI (versão 03.01)</translation>
    </message>
    <message>
        <source>Smoothed cepstral peak prominence (CPPS)</source>
        <translation>Proeminência do pico cepstral suavizada (CPPS)</translation>
    </message>
    <message>
        <source>Harmonics-to-noise ratio (HNR)</source>
        <translation>Relação harmônico-ruído (HNR)</translation>
    </message>
    <message>
        <source>Shimmer (local)</source>
        <translation>Shimmer (local)</translation>
    </message>
    <message>
        <source>Long-term spectrum: slope</source>
        <translation>Espectro de longo prazo: inclinação</translation>
    </message>
    <message>
        <source>Long-term spectrum: tilt</source>
        <translation>Espectro de longo prazo: declive</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Vowel measured: %1 s</source>
        <translation>Vogal medida: %1 s</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Error Reading File!</source>
        <translation>Erro ao ler o arquivo!</translation>
    </message>
    <message>
        <source>Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!</source>
        <translation>A taxa de amostragem deve ser de 11025 Hz ou 22050 Hz, 16 bits, mono!</translation>
    </message>
    <message>
        <source>Sample Rate must be 44100 Hz, 16 bits,Mono!</source>
        <translation>A taxa de amostragem deve ser de 44100 Hz, 16 bits, mono!</translation>
    </message>
    <message>
        <source>Error Releasing Memory!</source>
        <translation>Erro ao liberar a memória!</translation>
    </message>
    <message>
        <source>The File %s can´t be recorded!
Verifiy if this file is opened and if the Client Folder exists!</source>
        <translation>Não é possível salvar o arquivo %s!
Verifique se o arquivo está aberto e se a pasta do cliente existe.</translation>
    </message>
    <message>
        <source>You need to Select an Area!</source>
        <translation>É preciso selecionar um trecho!</translation>
    </message>
    <message>
        <source>The analysis was cancelled; nothing was changed.</source>
        <translation>A análise foi cancelada; nada foi alterado.</translation>
    </message>
    <message>
        <source>It was not Possible to Play the Sound File!</source>
        <translation>Não foi possível reproduzir o arquivo de som!</translation>
    </message>
    <message>
        <source>It was not Possible to Open Wave Out Channel!</source>
        <translation>Não foi possível abrir o canal de saída de áudio!</translation>
    </message>
    <message>
        <source>Sonarel needs a screen of at least 800 x 600 pixels.
Resolution : 800 x 600 or 1024 x 768 pixels
Colors: High Color (16 bits) or better</source>
        <translation>O Sonarel precisa de uma tela de pelo menos 800 x 600 pixels.
Resolução: 800 x 600 ou 1024 x 768 pixels
Cores: alta densidade (16 bits) ou superior</translation>
    </message>
    <message>
        <source>Text File Saved!</source>
        <translation>Arquivo de texto salvo!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Intensity Text File!</source>
        <translation>Não é possível salvar o arquivo de texto de intensidade!</translation>
    </message>
    <message>
        <source>accepted as voice analysis</source>
        <translation>aceito como análise de voz</translation>
    </message>
    <message>
        <source>accepted as vocal quality</source>
        <translation>aceito como qualidade vocal</translation>
    </message>
    <message>
        <source>Usage error: %s</source>
        <translation>Erro de uso: %s</translation>
    </message>
    <message>
        <source>File not found: %s</source>
        <translation>Arquivo não encontrado: %s</translation>
    </message>
    <message>
        <source>Minimal Value: 50 Hz</source>
        <translation>Valor mínimo: 50 Hz</translation>
    </message>
    <message>
        <source>Max Value: 1200 Hz</source>
        <translation>Valor máximo: 1200 Hz</translation>
    </message>
    <message>
        <source>Min Value &gt;= Max Value</source>
        <translation>Valor mínimo &gt;= valor máximo</translation>
    </message>
    <message>
        <source>Silence Threshold: From 0 to 70 dB</source>
        <translation>Limiar de silêncio: de 0 a 70 dB</translation>
    </message>
    <message>
        <source>Invalid Method!</source>
        <translation>Método inválido!</translation>
    </message>
    <message>
        <source>The F0 method %s is not available yet.</source>
        <translation>O método de F0 %s ainda não está disponível.</translation>
    </message>
    <message>
        <source>Low Limit: 0 to 60 dB</source>
        <translation>Limite inferior: de 0 a 60 dB</translation>
    </message>
    <message>
        <source>High Limit: 70 to 140 dB</source>
        <translation>Limite superior: de 70 a 140 dB</translation>
    </message>
    <message>
        <source>filter: unknown filter type</source>
        <translation>filtro: tipo de filtro desconhecido</translation>
    </message>
    <message>
        <source>filter: order of filter too large</source>
        <translation>filtro: ordem do filtro grande demais</translation>
    </message>
    <message>
        <source>filter: filter order must be even</source>
        <translation>filtro: a ordem do filtro deve ser par</translation>
    </message>
    <message>
        <source>filter: out of memory</source>
        <translation>filtro: memória insuficiente</translation>
    </message>
    <message>
        <source>filter: frequencies out of range</source>
        <translation>filtro: frequências fora do intervalo</translation>
    </message>
    <message>
        <source>The File must be 44100 Hz</source>
        <translation>O arquivo deve ser de 44100 Hz</translation>
    </message>
    <message>
        <source>There is no area to be analysed!</source>
        <translation>Não há nenhuma área para analisar!</translation>
    </message>
    <message>
        <source>There is no point available!</source>
        <translation>Não há nenhum ponto disponível!</translation>
    </message>
    <message>
        <source>It´s not possible to Open conf. File! Is It Read-Only?</source>
        <translation>Não é possível abrir o arquivo de configuração! É somente leitura?</translation>
    </message>
    <message>
        <source>Value F1 Should be from 200 to 1096</source>
        <translation>O valor de F1 deve estar entre 200 e 1096</translation>
    </message>
    <message>
        <source>Value F2 Should be from 600 to 3200</source>
        <translation>O valor de F2 deve estar entre 600 e 3200</translation>
    </message>
    <message>
        <source>There is no Available Points
Select a Bigger Area!</source>
        <translation>Não há pontos disponíveis
Selecione uma área maior!</translation>
    </message>
    <message>
        <source>Error Calculating LPC!</source>
        <translation>Erro ao calcular o LPC!</translation>
    </message>
    <message>
        <source>The picture %s could not be saved!</source>
        <translation>Não foi possível salvar a imagem %s!</translation>
    </message>
    <message>
        <source>Error - File not Found</source>
        <translation>Erro - arquivo não encontrado</translation>
    </message>
    <message>
        <source>Error - Invalid File</source>
        <translation>Erro - arquivo inválido</translation>
    </message>
    <message>
        <source>There is no Free Memory Available!</source>
        <translation>Não há memória livre disponível!</translation>
    </message>
    <message>
        <source>Error Accessing Database!</source>
        <translation>Erro ao acessar o banco de dados!</translation>
    </message>
    <message>
        <source>Client´s Directory already Exist!</source>
        <translation>A pasta do cliente já existe!</translation>
    </message>
    <message>
        <source>The client register is in use by another Sonarel; try again in a moment.</source>
        <translation>Outro Sonarel está usando o cadastro de clientes; tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>The client register could not be written; it was left as it was.</source>
        <translation>Não foi possível gravar o cadastro de clientes; ele ficou como estava.</translation>
    </message>
    <message>
        <source>There is no free client code left (the codes go up to 9999).</source>
        <translation>Não resta nenhum código de cliente livre (os códigos vão até 9999).</translation>
    </message>
    <message>
        <source>You need to fulfill the Client´s Name!</source>
        <translation>Você precisa preencher o nome do cliente!</translation>
    </message>
    <message>
        <source>Is the Client Man/Woman/Singer/Child?</source>
        <translation>O cliente é homem, mulher, cantor ou criança?</translation>
    </message>
    <message>
        <source>Invalid Year (must have 4 digits)
Ex.: 1974</source>
        <translation>Ano inválido (deve ter 4 dígitos)
Ex.: 1974</translation>
    </message>
    <message>
        <source>Invalid Day!</source>
        <translation>Dia inválido!</translation>
    </message>
    <message>
        <source>Invalid Month!</source>
        <translation>Mês inválido!</translation>
    </message>
    <message>
        <source>Invalid Year</source>
        <translation>Ano inválido</translation>
    </message>
    <message>
        <source>Invalid Year 
Range: 1890 - 2050&quot;</source>
        <translation>Ano inválido 
Intervalo: 1890 - 2050&quot;</translation>
    </message>
    <message>
        <source>Undefined Type!</source>
        <translation>Tipo não definido!</translation>
    </message>
    <message>
        <source>Number of files exceeds 150!
Insert a new client to continue...</source>
        <translation>O número de arquivos passa de 150!
Cadastre um novo cliente para continuar...</translation>
    </message>
    <message>
        <source>It´s not possible to delete this File!</source>
        <translation>Não é possível excluir este arquivo!</translation>
    </message>
    <message>
        <source>There is no Information to be erased!</source>
        <translation>Não há informação a apagar!</translation>
    </message>
    <message>
        <source>This File was send to Backup!
You need to Attach Your Backup Files to access these information!</source>
        <translation>Este arquivo foi enviado para o backup!
Você precisa restaurar seus arquivos de backup para acessar estas informações!</translation>
    </message>
    <message>
        <source>Notes Editor can´t be Inicialized!
Reinstall Sonarel!</source>
        <translation>Não é possível iniciar o editor de notas!
Reinstale o Sonarel!</translation>
    </message>
    <message>
        <source>Client Folder can´t be deleted!</source>
        <translation>Não é possível excluir a pasta do cliente!</translation>
    </message>
    <message>
        <source>All information about this file will be erased!
Are you sure you want to continue?</source>
        <translation>Todas as informações deste arquivo serão apagadas!
Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>All Information about this Client will be deleted!
Are you sure you want to continue?</source>
        <translation>Todas as informações deste cliente serão excluídas!
Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>Select a File!</source>
        <translation>Selecione um arquivo!</translation>
    </message>
    <message>
        <source>Select a Client!</source>
        <translation>Selecione um cliente!</translation>
    </message>
    <message>
        <source>Error Accessing File!</source>
        <translation>Erro ao acessar o arquivo!</translation>
    </message>
    <message>
        <source>Type the Client Name!</source>
        <translation>Digite o nome do cliente!</translation>
    </message>
    <message>
        <source>Client not Found!</source>
        <translation>Cliente não encontrado!</translation>
    </message>
    <message>
        <source>Client Registered!
Do you want to Start a New File?</source>
        <translation>Cliente cadastrado!
Deseja começar um novo arquivo?</translation>
    </message>
    <message>
        <source>To use the Vocal Quality Functions, ask your client to record a sustained vowel for some seconds.</source>
        <translation>Para usar as funções de qualidade vocal, peça ao seu cliente que grave uma vogal sustentada por alguns segundos.</translation>
    </message>
    <message>
        <source>There is no client with the code %s.</source>
        <translation>Não há nenhum cliente com o código %s.</translation>
    </message>
    <message>
        <source>Error Recording
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</source>
        <translation>Erro ao gravar
wfe.cbSize = %d
wfe.nAvgBytesPerSec = %d
wfe.nBlockAlign %d
wfe.nChannels %d
wfe.nSamplesPerSec %d
wfe.wBitsPerSample %d
wfe.wFormatTag %d
</translation>
    </message>
    <message>
        <source>Error Preparing Record Header!</source>
        <translation>Erro ao preparar o cabeçalho de gravação!</translation>
    </message>
    <message>
        <source>Error Preparing Header!</source>
        <translation>Erro ao preparar o cabeçalho!</translation>
    </message>
    <message>
        <source>Undefined Error!</source>
        <translation>Erro indefinido!</translation>
    </message>
    <message>
        <source>It was not Possible to Start Recording</source>
        <translation>Não foi possível iniciar a gravação</translation>
    </message>
    <message>
        <source>Error Writing to File,
Verify if there is free space in your HD!</source>
        <translation>Erro ao escrever no arquivo,
verifique se há espaço livre no disco!</translation>
    </message>
    <message>
        <source>Error Stopping Record - Closing Channel!</source>
        <translation>Erro ao parar a gravação - fechando o canal!</translation>
    </message>
    <message>
        <source>This Record will replace the existent Sound File!
Are You Sure You Want to Continue?</source>
        <translation>Esta gravação substituirá o arquivo de som existente!
Tem certeza de que deseja continuar?</translation>
    </message>
    <message>
        <source>No sound input was found, so nothing can be recorded.
Connect a microphone or a sound card and choose Record again.</source>
        <translation>Nenhuma entrada de som foi encontrada, por isso nada pode ser gravado.
Conecte um microfone ou uma placa de som e escolha Gravar novamente.</translation>
    </message>
    <message>
        <source>The sound input cannot be opened for 16-bit mono sound at this rate.</source>
        <translation>A entrada de som não pode ser aberta para som mono de 16 bits nesta taxa.</translation>
    </message>
    <message>
        <source>The sound input stopped delivering sound.</source>
        <translation>A entrada de som deixou de fornecer som.</translation>
    </message>
    <message>
        <source>The sound input failed.</source>
        <translation>A entrada de som falhou.</translation>
    </message>
    <message>
        <source>The recording stopped early; the sound recorded until then is kept.</source>
        <translation>A gravação parou antes do tempo; o som gravado até então foi mantido.</translation>
    </message>
    <message>
        <source>A recording of %s s was not finished.
Do you want to save it into the file %s?</source>
        <translation>Uma gravação de %s s não foi concluída.
Deseja salvá-la no arquivo %s?</translation>
    </message>
    <message>
        <source>The unfinished recording was saved into %s.</source>
        <translation>A gravação não concluída foi salva em %s.</translation>
    </message>
    <message>
        <source>The data folder %s cannot be created.</source>
        <translation>Não é possível criar a pasta de dados %s.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %s.</source>
        <translation>Não foi possível salvar as notas em %s.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation>Salvar as alterações das notas?</translation>
    </message>
    <message>
        <source>Sonarel %s
Acoustic assessment of the voice.</source>
        <translation>Sonarel %s
Avaliação acústica da voz.</translation>
    </message>
    <message>
        <source>sonarel needs a display; without one, use sonarel-cli, or render pictures with --screenshots under QT_QPA_PLATFORM=offscreen.</source>
        <translation>O sonarel precisa de uma tela; sem ela, use o sonarel-cli ou gere as imagens com --screenshots sob QT_QPA_PLATFORM=offscreen.</translation>
    </message>
    <message>
        <source>The whole sound file can&apos;t be cut: at least one sample must remain.</source>
        <translation>Não é possível cortar todo o arquivo de som: pelo menos uma amostra deve permanecer.</translation>
    </message>
    <message>
        <source>The Actual sound file was change. What do you want to do?</source>
        <translation>O arquivo de som atual foi alterado. O que deseja fazer?</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 500.</source>
        <translation>Digite um número inteiro entre 0 e 500.</translation>
    </message>
    <message>
        <source>The stretch from %s s to %s s lies outside the sound file.</source>
        <translation>O trecho de %s s a %s s está fora do arquivo de som.</translation>
    </message>
    <message>
        <source>%s is read-only; it was not replaced.</source>
        <translation>%s é somente leitura; não foi substituído.</translation>
    </message>
    <message>
        <source>%s is not a regular file; nothing was written to it.</source>
        <translation>%s não é um arquivo comum; nada foi gravado nele.</translation>
    </message>
    <message>
        <source>The client register %s is damaged and cannot be read.</source>
        <translation>O cadastro de clientes %s está danificado e não pode ser lido.</translation>
    </message>
    <message>
        <source>%s lasts longer than %s minutes, the longest recording that can be opened.</source>
        <translation>%s dura mais de %s minutos, a gravação mais longa que pode ser aberta.</translation>
    </message>
    <message>
        <source>Limit is 6 Sound Files!
Remove a File before to insert a new...</source>
        <translation>O limite é de 6 arquivos de som!
Remova um arquivo antes de inserir um novo...</translation>
    </message>
    <message>
        <source>The Selected File already is on the Diagram!</source>
        <translation>O arquivo selecionado já está no diagrama!</translation>
    </message>
    <message>
        <source>The Selected File is not a Vocal Quality File!</source>
        <translation>O arquivo selecionado não é um arquivo de qualidade vocal!</translation>
    </message>
    <message>
        <source>maxpitch must be &gt; minpitch</source>
        <translation>maxpitch deve ser &gt; minpitch</translation>
    </message>
    <message>
        <source>No simple factors for ratio</source>
        <translation>Não há fatores simples para a razão</translation>
    </message>
    <message>
        <source>Filter design too difficult!</source>
        <translation>O projeto do filtro é difícil demais!</translation>
    </message>
    <message>
        <source>Filter will suffer from limit cycles...</source>
        <translation>O filtro sofrerá ciclos limite...</translation>
    </message>
    <message>
        <source>cannot allocate space for interpolated data</source>
        <translation>não é possível alocar espaço para os dados interpolados</translation>
    </message>
    <message>
        <source>Error Allocating Memory!</source>
        <translation>Erro ao alocar memória!</translation>
    </message>
    <message>
        <source>Error Allocating Buffer!</source>
        <translation>Erro ao alocar o buffer!</translation>
    </message>
    <message>
        <source>Error Importing File!</source>
        <translation>Erro ao importar o arquivo!</translation>
    </message>
    <message>
        <source>File can´t be opened!</source>
        <translation>O arquivo não pode ser aberto!</translation>
    </message>
    <message>
        <source>The File to be Imported should be 16 Bits!
The Process will be Canceled!</source>
        <translation>O arquivo a ser importado deve ter 16 bits!
O processo será cancelado!</translation>
    </message>
    <message>
        <source>This Operation will Replace the Actual Sound File!
Do You Want to Continue?</source>
        <translation>Esta operação substituirá o arquivo de som atual!
Deseja continuar?</translation>
    </message>
    <message>
        <source>File Imported Successfully!</source>
        <translation>Arquivo importado com sucesso!</translation>
    </message>
    <message>
        <source>%s samples of %s lay beyond the 16-bit range and were clipped.</source>
        <translation>%s amostras de %s estavam fora da faixa de 16 bits e foram cortadas.</translation>
    </message>
    <message>
        <source>The import was cancelled; the client&apos;s folder was left as it was.</source>
        <translation>A importação foi cancelada; a pasta do cliente ficou como estava.</translation>
    </message>
    <message>
        <source>There is a Previous Backup In the Selected Directory.
Do you want to replace it?</source>
        <translation>Há um backup anterior na pasta escolhida.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>It´s not possible to copy pacw.dbf File!
Backup Can´t be done!</source>
        <translation>Não é possível copiar o arquivo pacw.dbf!
O backup não pode ser feito!</translation>
    </message>
    <message>
        <source>pacw.dbf File is not in this Directory!</source>
        <translation>O arquivo pacw.dbf não está nesta pasta!</translation>
    </message>
    <message>
        <source>Temporary File can´t be Created!</source>
        <translation>Não é possível criar o arquivo temporário!</translation>
    </message>
    <message>
        <source>It was not Possible Create Temporary File!</source>
        <translation>Não foi possível criar o arquivo temporário!</translation>
    </message>
    <message>
        <source>Error Coping %s File! Verify If There Is Free Space!
Do You Want To Continue?</source>
        <translation>Erro ao copiar o arquivo %s! Verifique se há espaço livre!
Deseja continuar?</translation>
    </message>
    <message>
        <source>Backup Directory can´t be Removed!</source>
        <translation>Não é possível remover a pasta do backup!</translation>
    </message>
    <message>
        <source>Dates File can´t be Created!</source>
        <translation>Não é possível criar o arquivo de datas!</translation>
    </message>
    <message>
        <source>It was not possible to get the creation date of %s file. Do you want to continue?</source>
        <translation>Não foi possível obter a data de criação do arquivo %s. Deseja continuar?</translation>
    </message>
    <message>
        <source>Backup Done Successfully!
The Backup Files are in the %s Directory</source>
        <translation>Backup feito com sucesso!
Os arquivos do backup estão na pasta %s</translation>
    </message>
    <message>
        <source>Backup Failed!</source>
        <translation>O backup falhou!</translation>
    </message>
    <message>
        <source>Warning: The Directory can´t be the same which Sonarel is Installed! Select or Create a New Directory!</source>
        <translation>Atenção: a pasta não pode ser a dos dados do Sonarel! Escolha ou crie outra pasta!</translation>
    </message>
    <message>
        <source>Select the Backup Directory!</source>
        <translation>Escolha a pasta do backup!</translation>
    </message>
    <message>
        <source>Process Finished!</source>
        <translation>Processo concluído!</translation>
    </message>
    <message>
        <source>Process can´t be Finished!</source>
        <translation>Não foi possível concluir o processo!</translation>
    </message>
    <message>
        <source>%s Files can´t be found!
Do you Want to Continue?</source>
        <translation>Os arquivos de %s não foram encontrados!
Deseja continuar?</translation>
    </message>
    <message>
        <source>&quot;%s File can´t be decompressed! Verify If There is Free Space Available!
Do You Want to Continue?</source>
        <translation>"Não é possível descompactar o arquivo %s! Verifique se há espaço livre!
Deseja continuar?</translation>
    </message>
    <message>
        <source>It´s not possible to get the original date of %s file</source>
        <translation>Não é possível recuperar a data original do arquivo %s</translation>
    </message>
    <message>
        <source>Dates File can´t be Found!
The Restored Files will have the Actual Date!</source>
        <translation>O arquivo de datas não foi encontrado!
Os arquivos restaurados terão a data atual!</translation>
    </message>
    <message>
        <source>It´s not Possible to Restore the sound files dates!
Do you want to Continue?</source>
        <translation>Não é possível restaurar as datas dos arquivos de som!
Deseja continuar?</translation>
    </message>
    <message>
        <source>It´s necessary to select at least a Client!</source>
        <translation>É necessário escolher pelo menos um cliente!</translation>
    </message>
    <message>
        <source>The copy %s does not match its original, or the original changed; no client files were removed.</source>
        <translation>A cópia %s não confere com o original, ou o original mudou; nenhum arquivo de cliente foi removido.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off. Its rollback must be finished first: start Sonarel, or run sonarel-cli recover.</source>
        <translation>Uma restauração em %s foi interrompida. Primeiro é preciso terminar de desfazê-la: inicie o Sonarel ou execute sonarel-cli recover.</translation>
    </message>
    <message>
        <source>Some files could not be put back; they are kept in %s.</source>
        <translation>Alguns arquivos não puderam ser devolvidos; estão guardados em %s.</translation>
    </message>
    <message>
        <source>A restore into %s was broken off before it ended.
Put the data back as they were before it?</source>
        <translation>Uma restauração em %s foi interrompida antes do fim.
Deixar os dados como estavam antes dela?</translation>
    </message>
    <message>
        <source>The data are back as they were before the restore.</source>
        <translation>Os dados estão como estavam antes da restauração.</translation>
    </message>
    <message>
        <source>You must select at least one screen!</source>
        <translation>Você deve selecionar pelo menos uma tela!</translation>
    </message>
    <message>
        <source>The report could not be written to %s.</source>
        <translation>Não foi possível gravar o relatório em %s.</translation>
    </message>
    <message>
        <source>There is no page called %s for this kind of file.</source>
        <translation>Não há página chamada %s para este tipo de arquivo.</translation>
    </message>
    <message>
        <source>%s could not be started: %s</source>
        <translation>Não foi possível iniciar %s: %s</translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation>%s não existe.</translation>
    </message>
    <message>
        <source>%s is a folder, not a sound file.</source>
        <translation>%s é uma pasta, não um arquivo de som.</translation>
    </message>
    <message>
        <source>%s is not a regular file (a pipe or a device).</source>
        <translation>%s não é um arquivo comum (é um pipe ou um dispositivo).</translation>
    </message>
    <message>
        <source>%s cannot be opened for reading (permission denied).</source>
        <translation>%s não pode ser aberto para leitura (permissão negada).</translation>
    </message>
    <message>
        <source>%s is empty (0 bytes).</source>
        <translation>%s está vazio (0 bytes).</translation>
    </message>
    <message>
        <source>%s is not a WAVE file.</source>
        <translation>%s não é um arquivo WAVE.</translation>
    </message>
    <message>
        <source>%s is truncated: the file ends before its sound data do.</source>
        <translation>%s está truncado: o arquivo termina antes dos seus dados de som.</translation>
    </message>
    <message>
        <source>%s is a WAVE file with no samples.</source>
        <translation>%s é um arquivo WAVE sem amostras.</translation>
    </message>
    <message>
        <source>%s is too large to be read into memory.</source>
        <translation>%s é grande demais para ser lido na memória.</translation>
    </message>
    <message>
        <source>%s is a %s file: only Import reads it, and makes a 16-bit mono copy.</source>
        <translation>%s é um arquivo %s: só Importar o lê, e faz uma cópia mono de 16 bits.</translation>
    </message>
    <message>
        <source>%s has %s channels; recordings are analysed in mono. Import makes a mono copy.</source>
        <translation>%s tem %s canais; as gravações são analisadas em mono. Importar faz uma cópia mono.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a voice-analysis file takes up to 22050 Hz. Import converts the rate.</source>
        <translation>%s está amostrado a %s Hz; um arquivo de análise de voz aceita até 22050 Hz. Importar converte a taxa.</translation>
    </message>
    <message>
        <source>%s is sampled at %s Hz; a vocal-quality file takes 44100 Hz. Import converts the rate.</source>
        <translation>%s está amostrado a %s Hz; um arquivo de qualidade vocal exige 44100 Hz. Importar converte a taxa.</translation>
    </message>
    <message>
        <source>Client: %s (code %s)</source>
        <translation>Cliente: %s (código %s)</translation>
    </message>
    <message>
        <source>File %s, voice analysis, recorded %s</source>
        <translation>Arquivo %s, análise de voz, gravado em %s</translation>
    </message>
    <message>
        <source>File %s, vocal quality, recorded %s</source>
        <translation>Arquivo %s, qualidade vocal, gravado em %s</translation>
    </message>
    <message>
        <source>It´s not possible to Save the F0 Text File!</source>
        <translation>Não é possível salvar o arquivo de texto de F0!</translation>
    </message>
    <message>
        <source>It´s not possible to Save the Statistics Text File!</source>
        <translation>Não é possível salvar o arquivo de texto de estatísticas!</translation>
    </message>
    <message>
        <source>The folder %s does not exist.</source>
        <translation>A pasta %s não existe.</translation>
    </message>
    <message>
        <source>%s could not be written (the folder may be read-only or full).</source>
        <translation>Não foi possível gravar %s (a pasta pode ser somente leitura ou estar cheia).</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a number.</source>
        <translation>&quot;%s&quot; não é um número.</translation>
    </message>
    <message>
        <source>Marked: %s s to %s s (%s s)</source>
        <translation>Marcado: de %s s a %s s (%s s)</translation>
    </message>
    <message>
        <source>Notes: %s</source>
        <translation>Notas: %s</translation>
    </message>
    <message>
        <source>To begin, create a client, open a recording, or open the demo register.</source>
        <translation>Para começar, crie um cliente, abra uma gravação ou abra o registro de demonstração.</translation>
    </message>
    <message>
        <source>%s: open one of the recordings, or record a new one.</source>
        <translation>%s: abra uma das gravações ou grave uma nova.</translation>
    </message>
    <message>
        <source>The new file is empty: record it now.</source>
        <translation>O arquivo novo está vazio: grave-o agora.</translation>
    </message>
    <message>
        <source>Choose what to show: a display of the Analysis menu or of the tool bar.</source>
        <translation>Escolha o que mostrar: uma exibição do menu Análise ou da barra de ferramentas.</translation>
    </message>
    <message>
        <source>Input: %s dBFS</source>
        <translation>Entrada: %s dBFS</translation>
    </message>
    <message>
        <source>Clipping!</source>
        <translation>Saturação!</translation>
    </message>
    <message>
        <source>Can´t Open Waveform Output Channel!</source>
        <translation>Não é possível abrir o canal de saída de áudio!</translation>
    </message>
    <message>
        <source>Error Playing Sound File!</source>
        <translation>Erro ao reproduzir o arquivo de som!</translation>
    </message>
    <message>
        <source>File types are different
Select a Vocal Quality File!</source>
        <translation>Os tipos de arquivo são diferentes
Selecione um arquivo de qualidade vocal!</translation>
    </message>
    <message>
        <source>File types are different
Select a Voice Analysis File!</source>
        <translation>Os tipos de arquivo são diferentes
Selecione um arquivo de análise de voz!</translation>
    </message>
    <message>
        <source>Error saving File as a Model!</source>
        <translation>Erro ao salvar o arquivo como modelo!</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%s is too short for the clinical measures: it lasts %s s, and they need a vowel of at least %s s.</source>
        <translation>%s é curto demais para as medidas clínicas: dura %s s, e elas precisam de uma vogal de pelo menos %s s.</translation>
    </message>
    <message>
        <source>%s is silent: there is no voice to measure.</source>
        <translation>%s está em silêncio: não há voz para medir.</translation>
    </message>
    <message>
        <source>%s holds no periodic voice: the clinical measures need a sustained vowel.</source>
        <translation>%s não contém voz periódica: as medidas clínicas precisam de uma vogal sustentada.</translation>
    </message>
    <message>
        <source>No voiced speech was found in %s.</source>
        <translation>Nenhuma fala sonora foi encontrada em %s.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>SpectrumSettings</name>
    <message>
        <source>Rectangular</source>
        <translation>Retangular</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Window:</source>
        <translation>Janela:</translation>
    </message>
    <message>
        <source>Configure Power Spectrum</source>
        <translation>Configurar espectro de potência</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>FFT Size:</source>
        <translation>Tamanho da FFT:</translation>
    </message>
    <message>
        <source>Configure LPC Spectrum</source>
        <translation>Configurar espectro LPC</translation>
    </message>
    <message>
        <source>LPC</source>
        <translation>LPC</translation>
    </message>
    <message>
        <source>LPC Order:</source>
        <translation>Ordem do LPC:</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Acoustic assessment of the voice</source>
        <translation>Avaliação acústica da voz</translation>
    </message>
</context>
<context>
    <name>WaitDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AdapterSettingsDialog</name>
    <message>
        <source>Andrea PureAudio USB Settings</source>
        <translation>Configurações do Andrea PureAudio USB</translation>
    </message>
    <message>
        <source>The USB adapter is connected and in use</source>
        <translation>O adaptador USB está conectado e em uso</translation>
    </message>
    <message>
        <source>Don´t use Filter</source>
        <translation>Não usar filtro</translation>
    </message>
    <message>
        <source>Low Noise Reduction Filter</source>
        <translation>Filtro de redução de ruído baixo</translation>
    </message>
    <message>
        <source>Middle Noise Reduction Filter</source>
        <translation>Filtro de redução de ruído médio</translation>
    </message>
    <message>
        <source>High Noise Reduction Filter</source>
        <translation>Filtro de redução de ruído alto</translation>
    </message>
    <message>
        <source>Don´t use gain</source>
        <translation>Não usar ganho</translation>
    </message>
    <message>
        <source>5 dB Gain</source>
        <translation>Ganho de 5 dB</translation>
    </message>
    <message>
        <source>10 dB Gain</source>
        <translation>Ganho de 10 dB</translation>
    </message>
    <message>
        <source>15 dB Gain</source>
        <translation>Ganho de 15 dB</translation>
    </message>
    <message>
        <source>Noise Reduction:</source>
        <translation>Redução de ruído:</translation>
    </message>
    <message>
        <source>Input Gain:</source>
        <translation>Ganho de entrada:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::AmplifyDialog</name>
    <message>
        <source>Amplify Volume</source>
        <translation>Amplificar volume</translation>
    </message>
    <message>
        <source>Magnitude: </source>
        <translation>Magnitude: </translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BoxPrompt</name>
    <message>
        <source>Save Changes?</source>
        <translation>Salvar alterações?</translation>
    </message>
    <message>
        <source>Save this File</source>
        <translation>Salvar este arquivo</translation>
    </message>
    <message>
        <source>Save as new File</source>
        <translation>Salvar como novo arquivo</translation>
    </message>
    <message>
        <source>Don´t save</source>
        <translation>Não salvar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CRemoverFollowUp</name>
    <message>
        <source>Remove Sound File</source>
        <translation>Remover arquivo de som</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfGravar</name>
    <message>
        <source>Configure Record...</source>
        <translation>Configurar gravação...</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Line Input</source>
        <translation>Entrada de linha</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frequência:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConfVogal</name>
    <message>
        <source>Vowel Space</source>
        <translation>Espaço vocálico</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homem</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mulher</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>IPA</source>
        <translation>AFI</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>F1 (Hz)</source>
        <translation>F1 (Hz)</translation>
    </message>
    <message>
        <source>F2 (Hz)</source>
        <translation>F2 (Hz)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CGravacao</name>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wait, Calibrating...</source>
        <translation>Aguarde, calibrando...</translation>
    </message>
    <message>
        <source>Size %1 s</source>
        <translation>Tamanho %1 s</translation>
    </message>
    <message>
        <source>Pos. %1 s</source>
        <translation>Pos. %1 s</translation>
    </message>
    <message>
        <source>Rate: %1Hz</source>
        <translation>Taxa: %1Hz</translation>
    </message>
    <message>
        <source>Max %1 s</source>
        <translation>Máx. %1 s</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CConverter</name>
    <message>
        <source>Convert File</source>
        <translation>Converter arquivo</translation>
    </message>
    <message>
        <source>Warning: The sound file to be imported had an audio format different from the needed!  Do you want to convert it?</source>
        <translation>Aviso: O arquivo de som a ser importado tem um formato de áudio diferente do necessário!  Deseja convertê-lo?</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Taxa de amostragem:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Stereo to Mono</source>
        <translation>Estéreo para mono</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Canal esquerdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Canal direito</translation>
    </message>
    <message>
        <source>Mix Channel</source>
        <translation>Misturar canais</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CMainFrame</name>
    <message>
        <source>Sound Files (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;All Files (*)</source>
        <translation>Arquivos de som (*.wav *.flac *.ogg *.oga *.opus *.mp3 *.aif *.aiff *.aifc);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Converting %1...</source>
        <translation>Convertendo %1...</translation>
    </message>
    <message>
        <source>Sonarel</source>
        <translation>Sonarel</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Open a sound file to begin (Client &gt; Open... or drop a file here).</source>
        <translation>Abra um arquivo de som para começar (Cliente &gt; Abrir... ou arraste um arquivo para cá).</translation>
    </message>
    <message>
        <source>vocal quality</source>
        <translation>qualidade vocal</translation>
    </message>
    <message>
        <source>voice analysis</source>
        <translation>análise de voz</translation>
    </message>
    <message>
        <source>%1 — %2 Hz, %3 s, %4</source>
        <translation>%1 — %2 Hz, %3 s, %4</translation>
    </message>
    <message>
        <source>%1 s to %2 s%3</source>
        <translation>de %1 s a %2 s%3</translation>
    </message>
    <message>
        <source> (zoomed)</source>
        <translation> (ampliado)</translation>
    </message>
    <message>
        <source>Analysing the recording...</source>
        <translation>Analisando a gravação...</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Arquivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>Sonarel %1
Acoustic assessment of the voice.</source>
        <translation>Sonarel %1
Avaliação acústica da voz.</translation>
    </message>
    <message>
        <source>Sound File (*.wav)</source>
        <translation>Arquivo de som (*.wav)</translation>
    </message>
    <message>
        <source>New %1 file %2 for %3: ready to record.</source>
        <translation>Novo arquivo de %1 número %2 para %3: pronto para gravar.</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Arquivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report written to %1</source>
        <translation>Relatório gravado em %1</translation>
    </message>
    <message>
        <source>Sound Files (*.wav)</source>
        <translation>Arquivos de som (*.wav)</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientDialog</name>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Homem</translation>
    </message>
    <message>
        <source>Woman</source>
        <translation>Mulher</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Criança</translation>
    </message>
    <message>
        <source>Singer</source>
        <translation>Cantor</translation>
    </message>
    <message>
        <source>MM  /  DD  /   YYYY</source>
        <translation>MM  /  DD  /   AAAA</translation>
    </message>
    <message>
        <source>YYYY  /  MM  /  DD</source>
        <translation>AAAA  /  MM  /  DD</translation>
    </message>
    <message>
        <source>DD  /  MM  /   YYYY</source>
        <translation>DD  /  MM  /   AAAA</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip Code</source>
        <translation>CEP</translation>
    </message>
    <message>
        <source>Home Phone</source>
        <translation>Telefone residencial</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Telefone comercial</translation>
    </message>
    <message>
        <source>Observations</source>
        <translation>Observações</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ClientListDialog</name>
    <message>
        <source>Select a Client</source>
        <translation>Selecionar um cliente</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Personal Information....</source>
        <translation>Dados pessoais....</translation>
    </message>
    <message>
        <source>Delete Client</source>
        <translation>Excluir cliente</translation>
    </message>
    <message>
        <source>Open Files...</source>
        <translation>Abrir arquivos...</translation>
    </message>
    <message>
        <source>New Client</source>
        <translation>Novo cliente</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Client Name</source>
        <translation>Nome do cliente</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureF0Dialog</name>
    <message>
        <source>Configure F0</source>
        <translation>Configurar F0</translation>
    </message>
    <message>
        <source>F0 Range</source>
        <translation>Faixa de F0</translation>
    </message>
    <message>
        <source>Low (Hz)</source>
        <translation>Inferior (Hz)</translation>
    </message>
    <message>
        <source>High (Hz)</source>
        <translation>Superior (Hz)</translation>
    </message>
    <message>
        <source>Silence</source>
        <translation>Silêncio</translation>
    </message>
    <message>
        <source>Silence Threshold (dB)</source>
        <translation>Limiar de silêncio (dB)</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ConfigureIntensityDialog</name>
    <message>
        <source>Configure Intensity</source>
        <translation>Configurar intensidade</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Low Limit</source>
        <translation>Limite inferior</translation>
    </message>
    <message>
        <source>High Limit</source>
        <translation>Limite superior</translation>
    </message>
</context>
<context>
    <name>sonarel::app::FilesDialog</name>
    <message>
        <source>%1 - Files</source>
        <translation>%1 - Arquivos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>Editar notas</translation>
    </message>
    <message>
        <source>Sent to Backup</source>
        <translation>Enviado para o backup</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>Qualidade vocal</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>Análise de voz</translation>
    </message>
</context>
<context>
    <name>sonarel::app::HelpWindow</name>
    <message>
        <source>Sonarel Help</source>
        <translation>Ajuda do Sonarel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
</context>
<context>
    <name>sonarel::app::NoticeDialog</name>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>don´t show this message again</source>
        <translation>não mostrar esta mensagem novamente</translation>
    </message>
</context>
<context>
    <name>sonarel::app::SoundFileDialog</name>
    <message>
        <source>Sound File</source>
        <translation>Arquivo de som</translation>
    </message>
    <message>
        <source>Voice Analysis</source>
        <translation>Análise de voz</translation>
    </message>
    <message>
        <source>Vocal Quality</source>
        <translation>Qualidade vocal</translation>
    </message>
    <message>
        <source>Which kind of file do you want to record?</source>
        <translation>Que tipo de arquivo deseja gravar?</translation>
    </message>
</context>
<context>
    <name>sonarel::noted::NotesWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormatar</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatação</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1.</source>
        <translation type="vanished">Não foi possível salvar as notas em %1.</translation>
    </message>
    <message>
        <source>Save the changes to the notes?</source>
        <translation type="vanished">Salvar as alterações das notas?</translation>
    </message>
</context>
<context>
    <name>sonarel::app::BackupWaitWindow</name>
    <message>
        <source>Wait</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CBackup</name>
    <message>
        <source>Copying...</source>
        <translation>Copiando...</translation>
    </message>
    <message>
        <source>decompressing:</source>
        <translation>descompactando:</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Wait:</source>
        <translation>Aguarde:</translation>
    </message>
    <message>
        <source>Freeing Data...</source>
        <translation>Liberando dados...</translation>
    </message>
    <message>
        <source>Wait, Removing Backup Directory...</source>
        <translation>Aguarde, removendo a pasta do backup...</translation>
    </message>
    <message>
        <source>Wait, Restoring Files...</source>
        <translation>Aguarde, restaurando arquivos...</translation>
    </message>
    <message>
        <source>Backup/Restore</source>
        <translation>Backup/Restaurar</translation>
    </message>
    <message>
        <source>Create Backup...</source>
        <translation>Criar backup...</translation>
    </message>
    <message>
        <source>Restore Backup....</source>
        <translation>Restaurar backup....</translation>
    </message>
    <message>
        <source>Send to Backup...</source>
        <translation>Enviar para o backup...</translation>
    </message>
    <message>
        <source>Attach Files...</source>
        <translation>Anexar arquivos...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Create a security copy of the information of all clients without these data being removed from the system.</source>
        <translation>Cria uma cópia de segurança das informações de todos os clientes sem remover estes dados do sistema.</translation>
    </message>
    <message>
        <source>Copy the chosen clients to a backup and free their recordings from the system, keeping their dates.</source>
        <translation>Copia os clientes escolhidos para um backup e libera suas gravações do sistema, mantendo as datas.</translation>
    </message>
    <message>
        <source>Restore a security copy of all clients REPLACING all actual data of the system.  </source>
        <translation>Restaura uma cópia de segurança de todos os clientes SUBSTITUINDO todos os dados atuais do sistema.  </translation>
    </message>
    <message>
        <source>Bring the files of the chosen clients back from a backup.</source>
        <translation>Traz de volta de um backup os arquivos dos clientes escolhidos.</translation>
    </message>
    <message>
        <source>Select the Clients You want to send to Backup:</source>
        <translation>Escolha os clientes que deseja enviar para o backup:</translation>
    </message>
    <message>
        <source>Select the Target Directory:</source>
        <translation>Escolha a pasta de destino:</translation>
    </message>
    <message>
        <source>Select the Clients You Want to Attach Files:</source>
        <translation>Escolha os clientes cujos arquivos deseja anexar:</translation>
    </message>
    <message>
        <source>Select the Source Directory:</source>
        <translation>Escolha a pasta de origem:</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CSelPacBkp</name>
    <message>
        <source>Select a Client</source>
        <translation>Escolha um cliente</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Escolher todos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Client´s List</source>
        <translation>Lista de clientes</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Página %1/%2</translation>
    </message>
    <message>
        <source>Comparison: %1</source>
        <translation>Comparação: %1</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Dados pessoais</translation>
    </message>
    <message>
        <source>Audio Signal</source>
        <translation>Sinal de áudio</translation>
    </message>
    <message>
        <source>Fundamental Frequency</source>
        <translation>Frequência fundamental</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>F0 and Intensity</source>
        <translation>F0 e intensidade</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>LPC Spectrum</source>
        <translation>Espectro LPC</translation>
    </message>
    <message>
        <source>Histogram (F0)</source>
        <translation>Histograma (F0)</translation>
    </message>
    <message>
        <source>Power Spectrum</source>
        <translation>Espectro de potência</translation>
    </message>
    <message>
        <source>LPC and Power Spectrum</source>
        <translation>Espectro LPC e de potência</translation>
    </message>
    <message>
        <source>Vowel Space</source>
        <translation>Espaço vocálico</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Spectrogram - Amplitude</source>
        <translation>Espectrograma - Amplitude</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram</source>
        <translation>Diagrama de desvio fonatório</translation>
    </message>
    <message>
        <source>Vocal Analysis Data</source>
        <translation>Dados da análise vocal</translation>
    </message>
    <message>
        <source>Spectrogram, Intensity e F0</source>
        <translation>Espectrograma, intensidade e F0</translation>
    </message>
    <message>
        <source>Phonatory Deviation Diagram - Follow up</source>
        <translation>Diagrama de desvio fonatório - Acompanhamento</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Arquivo: </translation>
    </message>
    <message>
        <source>Birth Date:</source>
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>CEP:</translation>
    </message>
    <message>
        <source>Home Phone:</source>
        <translation>Telefone residencial:</translation>
    </message>
    <message>
        <source>Work Phone:</source>
        <translation>Telefone comercial:</translation>
    </message>
    <message>
        <source>Obs.:</source>
        <translation>Obs.:</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Voice report, file %1</source>
        <translation>Relatório de voz, arquivo %1</translation>
    </message>
    <message>
        <source>Voice report of %1, file %2</source>
        <translation>Relatório de voz de %1, arquivo %2</translation>
    </message>
</context>
<context>
    <name>sonarel::app::CImprimir</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Telas</translation>
    </message>
    <message>
        <source>Print page number</source>
        <translation>Imprimir número da página</translation>
    </message>
    <message>
        <source>Print sound file in gray scale</source>
        <translation>Imprimir arquivo de som em escala de cinza</translation>
    </message>
</context>
<context>
    <name>F0Method</name>
    <message>
        <source>AutoCorrelation</source>
        <translation>Autocorrelação</translation>
    </message>
    <message>
        <source>CrossCorrelation</source>
        <translation>Correlação cruzada</translation>
    </message>
    <message>
        <source>LPC AutoCorrelation</source>
        <translation>Autocorrelação LPC</translation>
    </message>
</context>
<context>
    <name>sonarel::app::ComparisonBar</name>
    <message>
        <source>Comparison: %1</source>
        <translation>Comparação: %1</translation>
    </message>
</context>
</TS>
